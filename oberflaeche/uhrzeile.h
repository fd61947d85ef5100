#pragma once

#include "beschriftung.h"

#include <QDateTime>
#include <QTimer>

#include <functional>

namespace grobrechner {

// "Montag, 07. Dezember 2026   09:05:03   " — German names whatever the
// system's locale, three blanks between date and time and after the time.
QString uhrzeilentext(const QDateTime& zeitpunkt);

// The clock line lbluhr with its timer tmruhr. Instead of polling, the timer
// is armed for the next full second after every tick, so an idle screen wakes
// once a second and the seconds still change on time. A hidden screen's clock
// rests; shown again, it is right at once.
class Uhrzeile : public Beschriftung {
    Q_OBJECT
public:
    Uhrzeile(std::function<QDateTime()> jetzt, QWidget* eltern);

    // Shows the current time and arms the timer for the next full second.
    void ticken();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;

private:
    std::function<QDateTime()> m_jetzt;
    QTimer m_timer;
};

} // namespace grobrechner
