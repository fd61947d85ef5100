#include "umbrechendeoption.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace grobrechner {

namespace {

constexpr int textart = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

UmbrechendeOption::UmbrechendeOption(const QString& text, QWidget* eltern)
    : QRadioButton(text, eltern)
{
    // A plain option keeps its width; this one gives way, and grows higher.
    QSizePolicy politik(QSizePolicy::Preferred, QSizePolicy::Preferred, QSizePolicy::RadioButton);
    politik.setHeightForWidth(true);
    setSizePolicy(politik);
}

int UmbrechendeOption::rand() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_RadioButton, &option, QSize(0, 0), this).width();
}

QSize UmbrechendeOption::minimumSizeHint() const
{
    int wort = 0;
    for (const QString& w : text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        wort = std::max(wort, fontMetrics().horizontalAdvance(w));
    const int breite = std::min(sizeHint().width(), rand() + wort);
    return {breite, sizeHint().height()};
}

int UmbrechendeOption::heightForWidth(int breite) const
{
    // On one line exactly as high as a plain option; each further line adds its height.
    return sizeHint().height() + texthoehe(std::max(1, breite - rand())) - texthoehe(QWIDGETSIZE_MAX);
}

int UmbrechendeOption::texthoehe(int textbreite) const
{
    // The layouts ask again and again for the same few widths while a screen
    // opens: the caption is shaped once and only broken into lines for each.
    const QRect rahmen(0, 0, textbreite, QWIDGETSIZE_MAX);
    const QString t = text();
    if (t.contains(u'&') || !Textsatz::geeignet(t))
        return fontMetrics().boundingRect(rahmen, textart, t).height();
    return m_satz.rechteck(t, font(), rahmen, textart).height();
}

void UmbrechendeOption::changeEvent(QEvent* ereignis)
{
    if (Textsatz::schriftGeaendert(*ereignis))
        m_satz.vergessen();
    QRadioButton::changeEvent(ereignis);
}

QRect UmbrechendeOption::textflaeche() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect inhalt = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    return style()->itemTextRect(fontMetrics(), inhalt, textart, isEnabled(), text());
}

void UmbrechendeOption::paintEvent(QPaintEvent* /*ereignis*/)
{
    // As the style draws an option, piece by piece, with the caption and its
    // focus frame on the lines it wraps into.
    QStylePainter maler(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    QStyleOptionButton marke = option;
    marke.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    maler.drawPrimitive(QStyle::PE_IndicatorRadioButton, marke);
    const QRect inhalt = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    maler.drawItemText(inhalt, textart, palette(), isEnabled(), text(), QPalette::WindowText);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect fokus;
        fokus.QStyleOption::operator=(option);
        fokus.rect = textflaeche().adjusted(-1, 0, 1, 0) & rect();
        maler.drawPrimitive(QStyle::PE_FrameFocusRect, fokus);
    }
}

bool UmbrechendeOption::hitButton(const QPoint& punkt) const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this).united(textflaeche()).contains(punkt);
}

} // namespace grobrechner
