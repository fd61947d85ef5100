#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace grobrechner {

// Where a window goes: the rectangle `fenster` (frame included) moved, and
// where it is larger also shrunk, so that it lies inside `bereich`, the part
// of a screen that windows may take (the screen without panels and docks).
QRect imBereich(QRect fenster, const QRect& bereich);

// Where a window goes in relation to the window `bezug`.
enum class Lage {
    anDerselbenStelle, // the top left corners of the frames meet
    mittigDarueber,    // centred over it
};

// Gives `fenster` its place for showing, with its contents at `groesse`,
// where `lage` puts it in relation to `bezug`, kept inside the available area
// of the screen `bezug` is on. A window that has not been shown yet has no
// frame of its own; it gets the frame widths of `bezug`.
void platzieren(QWidget& fenster, const QWidget& bezug, QSize groesse, Lage lage = Lage::anDerselbenStelle);

// The size of the contents for showing `fenster` on the screen of `bezug`:
// `mindestens`, or larger where its controls ask for more, as far as the
// screen's available area allows. Where it is too low for them, they scroll
// up and down, and the window is made wider by the scroll bar, so that they
// need not scroll sideways as well.
QSize anzeigegroesse(const QWidget& fenster, const QWidget& bezug, QSize mindestens);

// `wunsch`, but no larger than the available area of the screen of `bezug`.
QSize hoechstens(QSize wunsch, const QWidget& bezug);

} // namespace grobrechner
