#include "beschriftung.h"

#include <QEvent>
#include <QFontMetrics>
#include <QStyle>

#include <cmath>

namespace grobrechner {

Beschriftung::~Beschriftung() = default;

bool Beschriftung::einfach() const
{
    const QString t = text();
    if (t.isEmpty() || margin() != 0 || indent() > 0 || frameWidth() != 0 || buddy()
        || !(textFormat() == Qt::PlainText || (textFormat() == Qt::AutoText && !Qt::mightBeRichText(t))))
        return false;
    // What a wrapping text must not hold for its lines to break here as
    // QFontMetrics breaks them: tabs, returns, length variants, justification.
    return !wordWrap()
        || (!(alignment() & Qt::AlignJustify) && !t.contains(u'\t') && !t.contains(u'\r') && !t.contains(QChar(0x9c))
            && !t.isRightToLeft());
}

QSize Beschriftung::umbrochen(int zeilenbreite) const
{
    for (const auto& [b, g] : m_umbrueche)
        if (b == zeilenbreite)
            return g;
    // Lines are put on whole pixels below each other, as the text is drawn.
    const qreal abstand = QFontMetricsF(font()).leading();
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
    const QSize groesse(int(std::ceil(breite)), int(std::ceil(hoehe)));
    // The widths of the last moments: a window dragged wider asks for ever new ones.
    if (m_umbrueche.size() == 16)
        m_umbrueche.erase(m_umbrueche.begin());
    m_umbrueche.emplace_back(zeilenbreite, groesse);
    return groesse;
}

QSize Beschriftung::groesseBei(int breite) const
{
    ensurePolished();
    const QString t = text();
    // As QLabel measures: without centring, whose halving could round the size.
    const int flags = int(QStyle::visualAlignment(t.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, alignment()))
        & ~(Qt::AlignVCenter | Qt::AlignHCenter);
    if (flags != m_flags || t != m_text) {
        m_text = t;
        m_flags = flags;
        m_box = QSize();
        m_satz.reset();
        m_umbrueche.clear();
    }
    const QMargins r = contentsMargins();
    const QSize rand(r.left() + r.right(), r.top() + r.bottom());
    QSize box;
    if (!wordWrap()) {
        if (!m_box.isValid())
            m_box = fontMetrics().boundingRect(0, 0, 2000, 2000, flags, t).size();
        box = m_box;
    } else {
        if (!m_satz) {
            QString zeilen = t;
            zeilen.replace(u'\n', QChar::LineSeparator);
            m_satz = std::make_unique<QTextLayout>(zeilen, font());
            QTextOption richtung;
            richtung.setTextDirection(Qt::LeftToRight);
            m_satz->setTextOption(richtung);
            m_satz->setCacheEnabled(true);
        }
        if (minimumWidth() > 0)
            breite = std::max(breite, minimumWidth());
        if (breite >= 0) {
            box = umbrochen(breite - rand.width());
        } else {
            // No width given: about eighty characters, or a half or a quarter
            // of that while the text stays short.
            const QFontMetrics masse = fontMetrics();
            const int w = std::min(masse.averageCharWidth() * 80, maximumWidth()) - rand.width();
            box = umbrochen(w);
            if (box.height() < 4 * masse.lineSpacing() && box.width() > w / 2)
                box = umbrochen(w / 2);
            if (box.height() < 2 * masse.lineSpacing() && box.width() > w / 4)
                box = umbrochen(w / 4);
        }
    }
    return (box + rand).expandedTo(minimumSize());
}

QSize Beschriftung::sizeHint() const { return einfach() ? groesseBei(-1) : QLabel::sizeHint(); }

QSize Beschriftung::minimumSizeHint() const
{
    if (!einfach())
        return QLabel::minimumSizeHint();
    // One line at most as high as the text at its chosen width, and as narrow
    // as the text's longest word.
    const QSize hinweis = groesseBei(-1);
    return {groesseBei(0).width(), std::min(groesseBei(QWIDGETSIZE_MAX).height(), hinweis.height())};
}

int Beschriftung::heightForWidth(int breite) const
{
    return einfach() ? groesseBei(breite).height() : QLabel::heightForWidth(breite);
}

void Beschriftung::changeEvent(QEvent* ereignis)
{
    if (ereignis->type() == QEvent::FontChange || ereignis->type() == QEvent::ApplicationFontChange
        || ereignis->type() == QEvent::StyleChange) {
        m_box = QSize();
        m_satz.reset();
        m_umbrueche.clear();
    }
    QLabel::changeEvent(ereignis);
}

} // namespace grobrechner
