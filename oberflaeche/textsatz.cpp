#include "textsatz.h"

#include <QEvent>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace grobrechner {

Textsatz::Textsatz() = default;
Textsatz::~Textsatz() = default;

bool Textsatz::geeignet(const QString& text)
{
    return !text.isEmpty() && !text.contains(u'\t') && !text.contains(u'\r') && !text.contains(QChar(0x9c))
        && !text.isRightToLeft();
}

bool Textsatz::schriftGeaendert(const QEvent& ereignis)
{
    return ereignis.type() == QEvent::FontChange || ereignis.type() == QEvent::ApplicationFontChange
        || ereignis.type() == QEvent::StyleChange;
}

QSizeF Textsatz::umbrochen(int zeilenbreite) const
{
    for (const auto& [b, g] : m_breiten)
        if (b == zeilenbreite)
            return g;
    // Lines are put on whole pixels below each other, as the text is drawn.
    const qreal abstand = QFontMetricsF(m_schrift).leading();
    qreal hoehe = -abstand;
    qreal breite = 0;
    m_satz->beginLayout();
    for (QTextLine zeile = m_satz->createLine(); zeile.isValid(); zeile = m_satz->createLine()) {
        zeile.setLineWidth(std::max<qreal>(0, zeilenbreite));
        hoehe = std::ceil(hoehe + abstand);
        zeile.setPosition(QPointF(0, hoehe));
        hoehe += zeile.ascent() + zeile.descent();
        breite = std::max(breite, zeile.naturalTextWidth());
    }
    m_satz->endLayout();
    // The widths of the last moments: a window dragged wider asks for ever new ones.
    if (m_breiten.size() == 16)
        m_breiten.erase(m_breiten.begin());
    m_breiten.emplace_back(zeilenbreite, QSizeF(breite, hoehe));
    return m_breiten.back().second;
}

QRect Textsatz::rechteck(const QString& text, const QFont& schrift, const QRect& rahmen, int flags) const
{
    if (!m_satz || text != m_text || schrift != m_schrift) {
        m_text = text;
        m_schrift = schrift;
        QString zeilen = text;
        zeilen.replace(u'\n', QChar::LineSeparator);
        m_satz = std::make_unique<QTextLayout>(zeilen, schrift);
        QTextOption richtung;
        richtung.setTextDirection(Qt::LeftToRight);
        m_satz->setTextOption(richtung);
        m_satz->setCacheEnabled(true);
        m_breiten.clear();
    }
    const QSizeF box = umbrochen(rahmen.width());
    // Placed in the frame as aligned, and rounded out to whole pixels.
    qreal x = 0, y = 0;
    if (flags & Qt::AlignRight)
        x = rahmen.width() - box.width();
    else if (flags & Qt::AlignHCenter)
        x = (rahmen.width() - box.width()) / 2;
    if (flags & Qt::AlignBottom)
        y = rahmen.height() - box.height();
    else if (flags & Qt::AlignVCenter)
        y = (rahmen.height() - box.height()) / 2;
    return QRectF(QPointF(rahmen.x() + x, rahmen.y() + y), box).toAlignedRect();
}

} // namespace grobrechner
