#pragma once

#include "kalkulationsdaten.h"
#include "pfad.h"

namespace grobrechner {

// One calculation as it can be kept and computed again: its path, the step
// it has reached and the inputs of the path up to that step (every other
// field at its start value).
struct Kalkulation {
    Pfad pfad = Pfad::Landesstrasse;
    Schritt schritt = Schritt::Eingabe;
    Kalkulationsdaten daten;

    bool operator==(const Kalkulation&) const = default;
};

} // namespace grobrechner
