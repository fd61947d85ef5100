#pragma once

#include "pfadformular.h"

#include <optional>
#include <vector>

namespace grobrechner {

// The construction costs of new lighting, for a state road
// (frmerrko_neuerrland) and a municipal road (frmerrko_neuerrgde): computed
// once, when the screen is created, from the record; the number of light
// points goes back into the record for the operating costs. The figures stay
// as they are while the screen lives; going back to the input closes it, so
// calculating again creates it afresh.
class Errichtungsergebnis : public Pfadformular {
    Q_OBJECT
public:
    // The rows a road shows.
    enum class Zeile {
        Leuchtenart,
        Strassenlaenge,
        LichtpunkthoeheGerundet, // "#,##0"
        Lichtpunkthoehe,         // as typed: "4,5"
        Lichtpunktabstand,       // the spacing the user chose, "#,##0"
        Verteiler,
        Grabungslaenge,
        Regelabstand,            // the spacing that follows from the table, lbllpa
        Anzahl,
        Kosten,
    };

    // What sets the two roads apart: where the spacing comes from (nothing
    // for a height without a spacing) and which rows stand in the two parts
    // of the sheet.
    struct Art {
        std::optional<float> (*abstand)(const Kalkulationsdaten& daten);
        std::vector<Zeile> eingegeben; // under "Eingegebene Werte"
        std::vector<Zeile> ergebnis;   // under "Berechnungsergebnis"
    };

    Errichtungsergebnis(const QString& name, Umgebung& umgebung, const Art& art);
};

} // namespace grobrechner
