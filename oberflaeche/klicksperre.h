#pragma once

#include <QObject>

#include <optional>

class QWidget;

namespace grobrechner {

// Keeps the second click of a double click off the window that the first click
// opened. A new screen opens where the old one stood, so the second click would
// land on whatever button of the new screen sits in that place: "zum
// Hauptmenü", and the whole path is gone. For the platform's double-click
// interval after the click that made it appear, a window ignores mouse
// buttons; keyboard input is never held back.
//
// Measured in the mouse events' own timestamps, so a busy program that
// delivers the second click late still knows it for what it is.
class Klicksperre : public QObject {
    Q_OBJECT
public:
    // To be called when a window of the program appears.
    static void fensterErschienen(QWidget& fenster);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    using QObject::QObject;
    static Klicksperre& instanz();

    // When a mouse button was last released, in event time.
    std::optional<quint64> m_letzteFreigabe;
};

} // namespace grobrechner
