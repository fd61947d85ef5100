#pragma once

#include "kalkulationsdaten.h"

// The steps that the operating costs of a planned and of an existing
// installation share. Each step is evaluated in double and rounded to float
// where the figure is kept in single precision.

namespace grobrechner::betrieb {

inline constexpr double jahre = 25;            // horizon of every "25" figure
inline constexpr double dimmstunden = 766.5;   // hours of full power saved per year by night dimming
inline constexpr double wattstundenJeKwh = 1000;
inline constexpr double centJeEuro = 100;

// Burning hours per year: 4100 behind a twilight switch, 3900 behind an
// astronomical time switch, less the night switch-off of every day. A
// switch-off without a duration reduces nothing.
float brennstunden(const Schaltung& schaltung);

struct Energie {
    float energiejahr;
    float energiekojahr;
    float energie25;
    float energieko25;
    double energieko25Exakt; // before rounding to float; the existing installation's maintenance builds on it
};

// The energy figures of all light points from the consumption of one light
// point per year (Wh).
Energie energie(float anzahllp, float verbrauch, float strompreis);

} // namespace grobrechner::betrieb
