#pragma once

#include "blattinhalt.h"
#include "kalkulation.h"
#include "pfadzustand.h"

#include <array>
#include <optional>

// The engine: a calculation computed whole, without a screen, to the figures
// its path's screens show — for the sheets' exports, the command line and the
// street lists. The screens compute the same steps as they open them.

namespace grobrechner {

// One year of an installation's operation at today's electricity price.
struct Jahreswerte {
    double energie = 0;       // kWh
    double energiekosten = 0; // €
    double lampenersatz = 0;  // € (an existing installation's lamps are in its maintenance)
    double wartung = 0;       // €, maintenance and inspection

    bool operator==(const Jahreswerte&) const = default;
};

inline constexpr int betriebsjahre = 25;
// Year 1 to 25: the 25-year figures spread evenly, so that the years add up
// to them (up to the rounding of each to float).
using Jahresreihe = std::array<Jahreswerte, betriebsjahre>;

Jahresreihe jahresreihe(const Betriebskostenergebnis& ergebnis);
Jahresreihe jahresreihe(const Bestandsergebnis& ergebnis);

struct Ergebnis {
    Kalkulation kalkulation;        // as it was computed: its record as the path leaves it
    Pfadzustand zustand;            // the typed figures of its steps 2 and 4 and the basis
    std::optional<Jahresreihe> reihe;        // the planned installation, from step 4 on
    std::optional<Jahresreihe> bestandsreihe; // the existing installation of a renovation

    // What the screen of a result step shows.
    Blattinhalt blatt(Schritt schritt) const { return blattinhalt(zustand, schritt); }
};

// Computes a calculation up to its step exactly as its path's screens do:
// the path's reset, the inputs of step 1, the figures of step 2, the entry
// values of the operating step with its inputs in their place, the figures of
// step 4. The inputs must have passed their checks (as a file's or a street
// list's have).
Ergebnis berechnen(const Kalkulation& kalkulation, const Berechnungsgrundlage& grundlage);

} // namespace grobrechner
