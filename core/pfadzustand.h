#pragma once

#include "bestandsrechnung.h"
#include "betriebskosten.h"
#include "errichtungskosten.h"
#include "kalkulationsdaten.h"
#include "preise.h"
#include "sanierungskosten.h"

#include <optional>

namespace grobrechner {

// The construction costs as step 2 of a new-construction path worked them out.
struct Errichtungsstand {
    Kalkulationsdaten eingaben;              // the record they were computed from
    std::optional<float> abstand;            // the spacing priced; none for a height without one
    std::optional<Errichtungskosten> kosten; // none without a spacing
};

// The renovation costs of step 2 of the renovation path.
struct Sanierungsstand {
    Kalkulationsdaten eingaben;
    Sanierungskosten kosten;
};

// The operating costs of step 4.
struct Betriebsstand {
    Kalkulationsdaten eingaben;
    Betriebskostenergebnis geplant;
    std::optional<Bestandsergebnis> bestand; // the existing installation of a renovation
};

// What the path in use has computed so far, as values. A result screen shows
// what its step holds here; the overall sheet shows both steps, so it reads
// exactly like the two screens before it. A path is priced throughout with the
// basis it started with.
struct Pfadzustand {
    explicit Pfadzustand(Pfad p = Pfad::Landesstrasse, const Berechnungsgrundlage& g = {})
        : pfad(p)
        , grundlage(g)
    {
    }

    Pfad pfad;
    Berechnungsgrundlage grundlage;
    std::optional<Errichtungsstand> errichtung; // step 2 of a new-construction path
    std::optional<Sanierungsstand> sanierung;   // step 2 of the renovation
    std::optional<Betriebsstand> betrieb;       // step 4
};

// As the screen of a step opens, its figures are worked out from the record as
// it stands: step 2 computes the construction or renovation costs (and a
// construction writes its number of light points into the record, where the
// operating costs take it from), step 4 the operating costs. The other steps
// compute nothing.
void schrittBerechnen(Pfadzustand& zustand, Kalkulationsdaten& daten, Schritt schritt);

// As the screen of a step closes, its figures go with it.
void schrittVerwerfen(Pfadzustand& zustand, Schritt schritt);

} // namespace grobrechner
