#pragma once

#include "pfadformular.h"

#include <vector>

namespace grobrechner {

// The operating costs of a new installation over 25 years, for a state road
// (frmbetrkoerg_land) and a municipal road (frmbetrkoerg_gde): the entered
// values and the eight figures, as the path worked them out when the screen
// opened. Going back to the input closes the screen, so calculating again
// computes afresh from the record.
class Betriebsergebnis : public Pfadformular {
    Q_OBJECT
public:
    // The rows under "Eingegebene Werte".
    enum class Eingabe { Leuchtmittel, Einschaltung, Abschaltung, Absenkung, Strompreis };

    // What sets the two roads apart.
    struct Art {
        std::vector<Eingabe> eingegeben; // top to bottom
        // A state road is never switched off: its switch-off row is there but
        // hidden (and empty), so it is not printed either.
        bool abschaltungGezeigt;
        const char* gesamtbeschriftung; // the caption of the total row
    };

    Betriebsergebnis(const Pfadbildschirm& bildschirm, Umgebung& umgebung, const Art& art);
};

} // namespace grobrechner
