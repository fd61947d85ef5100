#include "beschriftung.h"

#include <QFontMetrics>
#include <QStyle>

#include <algorithm>

namespace grobrechner {

bool Beschriftung::einfach() const
{
    const QString t = text();
    if (t.isEmpty() || margin() != 0 || indent() > 0 || frameWidth() != 0 || buddy()
        || !(textFormat() == Qt::PlainText || (textFormat() == Qt::AutoText && !Qt::mightBeRichText(t))))
        return false;
    return !wordWrap() || (!(alignment() & Qt::AlignJustify) && Textsatz::geeignet(t));
}

QSize Beschriftung::groesseBei(int breite) const
{
    ensurePolished();
    const QString t = text();
    // As QLabel measures: without centring, whose halving could round the size.
    const int flags = int(QStyle::visualAlignment(t.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, alignment()))
        & ~(Qt::AlignVCenter | Qt::AlignHCenter);
    const QMargins r = contentsMargins();
    const QSize rand(r.left() + r.right(), r.top() + r.bottom());
    QSize box;
    if (!wordWrap()) {
        Zeile& z = m_zeile;
        if (!z.box.isValid() || z.text != t || z.flags != flags)
            z = {t, flags, fontMetrics().boundingRect(0, 0, 2000, 2000, flags, t).size()};
        box = z.box;
    } else {
        const auto satz = [&](int w) { return m_satz.rechteck(t, font(), QRect(0, 0, w, 2000), flags).size(); };
        if (minimumWidth() > 0)
            breite = std::max(breite, minimumWidth());
        if (breite >= 0) {
            box = satz(breite - rand.width());
        } else {
            // No width given: about eighty characters, or a half or a quarter
            // of that while the text stays short.
            const QFontMetrics masse = fontMetrics();
            const int w = std::min(masse.averageCharWidth() * 80, maximumWidth()) - rand.width();
            box = satz(w);
            if (box.height() < 4 * masse.lineSpacing() && box.width() > w / 2)
                box = satz(w / 2);
            if (box.height() < 2 * masse.lineSpacing() && box.width() > w / 4)
                box = satz(w / 4);
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
    if (Textsatz::schriftGeaendert(*ereignis)) {
        m_zeile = {};
        m_satz.vergessen();
    }
    QLabel::changeEvent(ereignis);
}

} // namespace grobrechner
