#pragma once

#include "gesamtblatt.h"

namespace grobrechner {

// The overall result of new lighting, for a state road (frmerg_land) and a
// municipal road (frmerg_gde): the construction figures on the left, the
// operating figures over 25 years on the right, and the total cost of the
// installation over 25 years from the two displayed totals.
class Neuerrichtungsblatt : public Gesamtblatt {
    Q_OBJECT
public:
    // What sets the two roads apart.
    struct Art {
        // On a state road the spacing follows from the height and stands under
        // "Berechnungsergebnis"; on a municipal road the user enters it.
        bool abstandIstErgebnis;
        // A state road is never switched off: its switch-off row is there but
        // hidden.
        bool abschaltungGezeigt;
    };

    Neuerrichtungsblatt(const Pfadbildschirm& bildschirm, Umgebung& umgebung, const Art& art);
};

} // namespace grobrechner
