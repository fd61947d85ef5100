#include "uhrzeile.h"

#include <QLocale>

namespace grobrechner {

QString uhrzeilentext(const QDateTime& zeitpunkt)
{
    static const QLocale deutsch(QLocale::German, QLocale::Germany);
    return deutsch.toString(zeitpunkt, QStringLiteral("dddd, dd. MMMM yyyy   HH:mm:ss   "));
}

Uhrzeile::Uhrzeile(std::function<QDateTime()> jetzt, QWidget* eltern)
    : Beschriftung(eltern)
    , m_jetzt(std::move(jetzt))
{
    setObjectName(QStringLiteral("lbluhr"));
    m_timer.setObjectName(QStringLiteral("tmruhr"));
    m_timer.setParent(this);
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Uhrzeile::ticken);
    ticken(); // the line is filled from the start, so the layout knows its width
}

void Uhrzeile::ticken()
{
    const QDateTime jetzt = m_jetzt();
    setText(uhrzeilentext(jetzt));
    // A millisecond past the full second, so the next tick shows the new second.
    m_timer.start(1001 - jetzt.time().msec());
}

void Uhrzeile::showEvent(QShowEvent* ereignis)
{
    QLabel::showEvent(ereignis);
    ticken();
}

void Uhrzeile::hideEvent(QHideEvent* ereignis)
{
    QLabel::hideEvent(ereignis);
    m_timer.stop();
}

} // namespace grobrechner
