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
    float Preise::*techn; // € per light point
    float Preise::*deko;
    bool nurNeueMaste;    // 0 when the existing masts are reused
    int pauschalBis;      // up to this many light points the term is flat; 0 for none
    float Preise::*pauschale;
};

constexpr int lichtpunkteJeVerteiler = 50;
constexpr std::size_t verteilerPosten = 7; // term 8

using P = Preise;

// Terms 1 to 9; term 8, the cabinets, is counted separately.
constexpr Posten postentabelle[] = {
    {&P::sanLeuchteTechn, &P::sanLeuchteDeko, false, 0, nullptr},
    {&P::sanMastTechn, &P::sanMastDeko, true, 0, nullptr},
    {&P::sanPosten3, &P::sanPosten3, true, 0, nullptr},
    {&P::sanPosten4, &P::sanPosten4, true, 0, nullptr},
    {&P::sanPosten5, &P::sanPosten5, false, 12, &P::sanPauschale5},
    {&P::sanPosten6, &P::sanPosten6, false, 0, nullptr},
    {&P::sanPosten7, &P::sanPosten7, false, 16, &P::sanPauschale7},
    {&P::sanVerteiler, &P::sanVerteiler, false, 0, nullptr},
    {&P::sanPosten9, &P::sanPosten9, false, 0, nullptr},
};
static_assert(std::size(postentabelle) == std::tuple_size_v<decltype(Sanierungskosten::posten)>);

// A price at the index in whole cents; the prices of April 2009 are whole
// euros, so at 100 % this is exact. The settings keep prices and index within
// their bounds: at most 10 000 000 € at the index, 10⁹ cents.
std::int64_t cent(const Preise& preise, float Preise::*feld)
{
    return std::llround(preise.indexiert(preise.*feld) * 100);
}

} // namespace

Sanierungskosten sanierungskostenBerechnen(const Kalkulationsdaten& daten, const Preise& preise)
{
    // The input allows at most 999; a record beyond ±100 000 light points (or
    // not a number at all) is priced at that bound, so that no product leaves
    // 64 bits at any price the settings allow.
    constexpr double grenze = 100000;
    const double anzahl = std::isnan(daten.anzahllp) ? 0.0 : std::clamp<double>(daten.anzahllp, -grenze, grenze);
    const std::int64_t hundertstel = std::llround(anzahl * 100);
    const bool techn = daten.leuchtenart == Leuchtenart::technisch;
    const bool neueMaste = !daten.mast;

    Sanierungskosten k;
    for (std::size_t i = 0; i < std::size(postentabelle); ++i) {
        const Posten& p = postentabelle[i];
        if ((p.nurNeueMaste && !neueMaste) || i == verteilerPosten)
            continue;
        // Hundredths of a light point times cents: ten-thousandths of a euro.
        if (p.pauschale && hundertstel <= std::int64_t{p.pauschalBis} * 100)
            k.posten[i] = halbeZurGeraden(cent(preise, p.pauschale), 100);
        else
            k.posten[i] = halbeZurGeraden(hundertstel * cent(preise, techn ? p.techn : p.deko), 10000);
    }
    if (daten.verteiler) {
        const Posten& p = postentabelle[verteilerPosten];
        k.verteilerzahl = halbeZurGeraden(hundertstel, lichtpunkteJeVerteiler * 100);
        k.posten[verteilerPosten] = halbeZurGeraden(k.verteilerzahl * cent(preise, p.techn), 100);
    }
    k.summe = std::accumulate(k.posten.begin(), k.posten.end(), std::int64_t{0});
    return k;
}

} // namespace grobrechner
