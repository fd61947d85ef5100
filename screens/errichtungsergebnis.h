#pragma once

#include "pfadformular.h"

#include <vector>

namespace grobrechner {

// The construction costs of new lighting, for a state road
// (frmerrko_neuerrland) and a municipal road (frmerrko_neuerrgde), as the path
// worked them out when the screen opened. The figures stay as they are while
// the screen lives; going back to the input closes it, so calculating again
// creates it afresh.
class Errichtungsergebnis : public Pfadformular {
    Q_OBJECT
public:
    // The rows a road shows.
    enum class Zeile {
        Leuchtenart,
        Strassenlaenge,
        Lichtpunkthoehe,
        Lichtpunktabstand, // the spacing the user chose, lbllichtpunktabstand
        Verteiler,
        Grabungslaenge,
        Regelabstand,      // the spacing that follows from the table, lbllpa
        Anzahl,
        Kosten,
    };

    // What sets the two roads apart: which rows stand in the two parts of
    // the sheet.
    struct Art {
        std::vector<Zeile> eingegeben; // under "Eingegebene Werte"
        std::vector<Zeile> ergebnis;   // under "Berechnungsergebnis"
    };

    Errichtungsergebnis(const Pfadbildschirm& bildschirm, Umgebung& umgebung, const Art& art);
};

} // namespace grobrechner
