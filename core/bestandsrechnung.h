#pragma once

#include "kalkulationsdaten.h"

namespace grobrechner {

// The operating costs of the existing installation that a renovation replaces,
// over 25 years, in the shape of Betriebskostenergebnis without the lamp
// replacement: the maintenance of an existing installation already contains it.
struct Bestandsergebnis {
    float betrstdjahr = 0;
    float energiejahr = 0;
    float energiekojahr = 0;
    float energie25 = 0;
    float energieko25 = 0;
    float wartinstko25 = 0;
    float betrkoges = 0;

    bool operator==(const Bestandsergebnis&) const = default;
};

// Reads the existing installation, anzahllp and strompreis; writes nothing.
Bestandsergebnis Bestandsrechnung(const Kalkulationsdaten& daten);

} // namespace grobrechner
