#pragma once

#include "kalkulationsdaten.h"

#include <array>
#include <cstdint>

namespace grobrechner {

// The rough renovation costs of a municipal road, in whole euros including VAT.
//
// Each term is the count N times a constant, rounded to the nearest euro with
// halves to the even neighbour (62,5 → 62, 137,5 → 138). Two terms are a flat
// 500 € for small numbers of light points. The mast terms count only when the
// existing masts are not reused ("nein"). A new cabinet serves 50 light points:
// the number of cabinets is N / 50 rounded the same way (25 → 0, 26 → 1,
// 75 → 2, 125 → 2).
//
// The count is taken in hundredths, the finest a three-character input can
// type (",05"), and every product is worked out on that decimal count in whole
// numbers (a count between two hundredths, which no input gives, goes to the
// nearer one). So a typed 0,3 costs 0,3 × 55 = 16,5 → 16 €, whereas the float
// nearest 0,3 (a hair above it) would round to 17 €.
//
// The input screen allows 0 < N ≤ 999. A record beyond ±100 000 light points,
// which no input gives, is priced at that bound, so every term and the total
// stay inside 32 bits whatever the record holds.
struct Sanierungskosten {
    // The nine terms in the order they are worked out:
    //   1 luminaires       750 € technical, 950 € decorative
    //   2 masts            250 € technical, 600 € decorative  } only when the
    //   3                   55 €                              } masts are not
    //   4                   60 €                              } reused
    //   5                   40 €, a flat 500 € up to 12 light points
    //   6                   25 €
    //   7                   30 €, a flat 500 € up to 16 light points
    //   8 cabinets        7500 € per cabinet, only for a new cabinet
    //   9                   40 €
    std::array<std::int32_t, 9> posten{};
    std::int32_t verteilerzahl = 0; // cabinets priced in term 8
    std::int32_t summe = 0;         // the 32-bit sum of the terms

    bool operator==(const Sanierungskosten&) const = default;
};

Sanierungskosten sanierungskostenBerechnen(const Kalkulationsdaten& daten);

} // namespace grobrechner
