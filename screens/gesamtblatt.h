#pragma once

#include "pfadformular.h"
#include "wertetabelle.h"

#include <initializer_list>
#include <string>

class QLabel;

namespace grobrechner {

// One row of an overall result sheet.
using Blattzeile = Wertetabelle::Zeile;

// The overall result sheet at the end of a path. It computes nothing from the
// record: it shows the texts that the construction or renovation result
// (step 2) and the operating-cost result (step 4) display, so that it reads
// exactly like them, and works its own figures out from those texts. Both
// source screens are hidden while the sheet is shown; the sheet is created
// afresh on every visit and never changes afterwards.
//
// Layout: the construction or renovation values on the left, the operating
// values on the right, the decorative picture Image4 below on the left.
class Gesamtblatt : public Pfadformular {
    Q_OBJECT
protected:
    Gesamtblatt(const QString& name, Umgebung& umgebung);

    QWidget* links() const { return m_links; }
    QWidget* rechts() const { return m_rechts; }

    // Shows in `ziel` what the label `quelle` (by default the one of the same
    // name) shows on the screen of step `schritt`. A screen or label that is
    // not there gives an empty text; on the paths it always is.
    void uebernehmen(int schritt, QLabel* ziel, const char* quelle = nullptr);
    // The sheet's own labels of these names, each from its namesake.
    void uebernehmen(int schritt, std::initializer_list<const char*> namen);

    // Once the rows are filled: long captions wrap, so that the two blocks fit
    // side by side on one page, and each block keeps the height its wrapped
    // texts need (a window does not ask its layout for the height that goes
    // with its width, so it could otherwise be made too low for them).
    void layoutAbschliessen();

    // The text one of the sheet's own labels shows.
    std::string angezeigt(const char* name) const;
    void zeigen(const char* name, const std::string& text);

private:
    QWidget* m_links;
    QWidget* m_rechts;
};

} // namespace grobrechner
