#pragma once

#include "pfadformular.h"

class QGridLayout;

namespace grobrechner {

// The overall result sheet at the end of a path. It shows the figures of the
// construction or renovation (step 2) and of the operating costs (step 4) as
// the path state holds them, in the same texts as the two screens before it,
// and the sheet's own figures worked out from those texts. The sheet is
// created afresh on every visit and never changes afterwards.
//
// Layout: the construction or renovation values on the left, the operating
// values on the right, the decorative picture Image4 below on the left; or
// the construction or renovation values on top with the cost chart beside
// them, the operating values below across the whole width.
class Gesamtblatt : public Pfadformular {
    Q_OBJECT
protected:
    enum class Anordnung {
        nebeneinander, // with the decorative picture
        untereinander, // with the cost chart of a renovation
    };
    Gesamtblatt(const Pfadbildschirm& bildschirm, Umgebung& umgebung, Anordnung anordnung = Anordnung::nebeneinander);

    QGridLayout* rechtesRaster() const { return m_rechtesRaster; }

private:
    // Long captions wrap, so that the two blocks fit side by side on one
    // page, and each block keeps the height its wrapped texts need (a window
    // does not ask its layout for the height that goes with its width, so it
    // could otherwise be made too low for them).
    void layoutAbschliessen();

    QWidget* m_links;
    QWidget* m_rechts;
    Anordnung m_anordnung;
    QGridLayout* m_rechtesRaster = nullptr;
};

} // namespace grobrechner
