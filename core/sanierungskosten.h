#pragma once

#include "kalkulationsdaten.h"
#include "preise.h"

#include <array>
#include <cstdint>

namespace grobrechner {

// The rough renovation costs of a municipal road, in whole euros including VAT.
//
// Each term is the count N times a price, rounded to the nearest euro with
// halves to the even neighbour (62,5 → 62, 137,5 → 138). Two terms are a flat
// amount for small numbers of light points. The mast terms count only when the
// existing masts are not reused ("nein"). A new cabinet serves 50 light points:
// the number of cabinets is N / 50 rounded the same way (25 → 0, 26 → 1,
// 75 → 2, 125 → 2).
//
// The count is taken in hundredths, the finest a three-character input can
// type (",05"), and each price in whole cents at the price index; every product
// is worked out on these decimal figures in whole numbers (a count between two
// hundredths, which no input gives, goes to the nearer one). So a typed 0,3
// costs 0,3 × 55 = 16,5 → 16 €, whereas the float nearest 0,3 (a hair above
// it) would round to 17 €.
//
// The input screen allows 0 < N ≤ 999. A record beyond ±100 000 light points,
// which no input gives, is priced at that bound; with the highest price the
// settings allow at the highest index every product stays far inside 64 bits.
struct Sanierungskosten {
    // The nine terms in the order they are worked out, with the prices of
    // April 2009:
    //   1 luminaires       750 € technical, 950 € decorative
    //   2 masts            250 € technical, 600 € decorative  } only when the
    //   3                   55 €                              } masts are not
    //   4                   60 €                              } reused
    //   5                   40 €, a flat 500 € up to 12 light points
    //   6                   25 €
    //   7                   30 €, a flat 500 € up to 16 light points
    //   8 cabinets        7500 € per cabinet, only for a new cabinet
    //   9                   40 €
    // The figures stay whole euros; with the program's own prices and any
    // input they fit 32 bits, own prices may need more.
    std::array<std::int64_t, 9> posten{};
    std::int64_t verteilerzahl = 0; // cabinets priced in term 8
    std::int64_t summe = 0;         // the sum of the terms

    bool operator==(const Sanierungskosten&) const = default;
};

Sanierungskosten sanierungskostenBerechnen(const Kalkulationsdaten& daten, const Preise& preise);

} // namespace grobrechner
