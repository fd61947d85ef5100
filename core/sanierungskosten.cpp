#include "sanierungskosten.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>

namespace grobrechner {

namespace {

// p / d to the nearest whole number, halves to the even neighbour; d > 0.
std::int64_t halbeZurGeraden(std::int64_t p, std::int64_t d)
{
    std::int64_t q = p / d;
    std::int64_t r = p % d;
    if (r < 0) { // round towards minus infinity first
        --q;
        r += d;
    }
    if (2 * r > d || (2 * r == d && q % 2 != 0))
        ++q;
    return q;
}

struct Posten {
    int techn;          // € per light point
    int deko;
    bool nurNeueMaste;  // 0 when the existing masts are reused
    int pauschalBis;    // up to this many light points the term is a flat 500 €; 0 for none
};

constexpr int pauschale = 500;
constexpr int lichtpunkteJeVerteiler = 50;
constexpr int verteilerpreis = 7500;
constexpr int verteilerPosten = 7; // term 8

// Terms 1 to 9; term 8, the cabinets, is counted separately.
constexpr Posten postentabelle[] = {
    {750, 950, false, 0}, {250, 600, true, 0}, {55, 55, true, 0}, {60, 60, true, 0}, {40, 40, false, 12},
    {25, 25, false, 0},   {30, 30, false, 16}, {0, 0, false, 0},  {40, 40, false, 0},
};
static_assert(std::size(postentabelle) == std::tuple_size_v<decltype(Sanierungskosten::posten)>);

} // namespace

Sanierungskosten sanierungskostenBerechnen(const Kalkulationsdaten& daten)
{
    // The input allows at most 999; a record beyond ±100 000 light points (or
    // not a number at all) is priced at that bound, so that no figure leaves
    // the 32-bit range.
    constexpr double grenze = 100000;
    const double anzahl = std::isnan(daten.anzahllp) ? 0.0 : std::clamp<double>(daten.anzahllp, -grenze, grenze);
    const std::int64_t hundertstel = std::llround(anzahl * 100);
    const bool techn = daten.leuchtenart == Leuchtenart::technisch;
    const bool neueMaste = !daten.mast;

    Sanierungskosten k;
    for (std::size_t i = 0; i < std::size(postentabelle); ++i) {
        const Posten& p = postentabelle[i];
        if (p.nurNeueMaste && !neueMaste)
            continue;
        if (p.pauschalBis > 0 && hundertstel <= std::int64_t{p.pauschalBis} * 100)
            k.posten[i] = pauschale;
        else
            k.posten[i] = static_cast<std::int32_t>(halbeZurGeraden(hundertstel * (techn ? p.techn : p.deko), 100));
    }
    if (daten.verteiler) {
        k.verteilerzahl = static_cast<std::int32_t>(halbeZurGeraden(hundertstel, lichtpunkteJeVerteiler * 100));
        k.posten[verteilerPosten] = k.verteilerzahl * verteilerpreis;
    }
    k.summe = std::accumulate(k.posten.begin(), k.posten.end(), std::int32_t{0});
    return k;
}

} // namespace grobrechner
