#include "fensterlage.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace grobrechner {

namespace {

QScreen* bildschirmVon(const QWidget& fenster)
{
    // The screen under the window's middle: a window moved to another screen
    // is placed on that one.
    if (QScreen* s = QGuiApplication::screenAt(fenster.frameGeometry().center()))
        return s;
    return fenster.screen();
}

QMargins rahmenVon(const QWidget& fenster)
{
    const QRect aussen = fenster.frameGeometry();
    const QRect innen = fenster.geometry();
    return {innen.left() - aussen.left(), innen.top() - aussen.top(), aussen.right() - innen.right(),
            aussen.bottom() - innen.bottom()};
}

} // namespace

QRect imBereich(QRect fenster, const QRect& bereich)
{
    fenster.setWidth(std::min(fenster.width(), bereich.width()));
    fenster.setHeight(std::min(fenster.height(), bereich.height()));
    fenster.moveLeft(std::clamp(fenster.left(), bereich.left(), bereich.right() + 1 - fenster.width()));
    fenster.moveTop(std::clamp(fenster.top(), bereich.top(), bereich.bottom() + 1 - fenster.height()));
    return fenster;
}

void platzieren(QWidget& fenster, const QWidget& bezug, QSize groesse, Lage lage)
{
    const QRect aussen = bezug.frameGeometry();
    const QMargins rahmen = rahmenVon(bezug);
    QRect wunsch(aussen.topLeft(), groesse.grownBy(rahmen));
    if (lage == Lage::mittigDarueber)
        wunsch.moveCenter(aussen.center());
    const QRect ziel = imBereich(wunsch, bildschirmVon(bezug)->availableGeometry());
    fenster.resize(ziel.size().shrunkBy(rahmen));
    fenster.move(ziel.topLeft());
}

QSize anzeigegroesse(const QWidget& fenster, const QWidget& bezug, QSize mindestens)
{
    const QSize platz = bildschirmVon(bezug)->availableGeometry().size().shrunkBy(rahmenVon(bezug));
    const QSize wunsch = fenster.sizeHint();
    QSize groesse = mindestens.expandedTo(wunsch);
    if (groesse.height() > platz.height())
        groesse.setWidth(std::max(mindestens.width(),
                                  wunsch.width() + fenster.style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
    return groesse.boundedTo(platz);
}

QSize hoechstens(QSize wunsch, const QWidget& bezug)
{
    return wunsch.boundedTo(bildschirmVon(bezug)->availableGeometry().size());
}

} // namespace grobrechner
