#pragma once

#include "bestandsrechnung.h"
#include "betriebskosten.h"
#include "pfadzustand.h"

#include <array>
#include <optional>
#include <string>

// What an installation is worth over its 25 years when the years are not all
// alike: electricity gets dearer each year, and money spent later weighs less
// today at the municipality's interest rate. The sheets' own figures compare
// plain sums at today's price; these stand beside them.
//
// For year t = 1 … 25 an installation costs c(t) = e·(1+g)^(t−1) + o: e its
// energy cost per year today, g the yearly rise of the electricity price, o
// the rest of its yearly cost, (25-year total − 25-year energy cost) / 25. The
// unrounded figures behind the labels are used.

namespace grobrechner {

inline constexpr int wirtschaftsjahre = 25;

// The cost of each year 1 … 25 of an installation, nominal.
using Kostenjahre = std::array<double, wirtschaftsjahre>;
Kostenjahre kostenjahre(double energiekostenJahr, double energiekosten25, double gesamt25, double steigerung);
Kostenjahre kostenjahre(const Betriebskostenergebnis& e, double steigerung);
Kostenjahre kostenjahre(const Bestandsergebnis& e, double steigerung);

// Σ c(t) / (1+i)^t.
double barwert(const Kostenjahre& kosten, double zins);

// A grant is paid only when the renovation saves at least half the CO₂ of
// the existing installation, and only from 5.000 € on.
inline constexpr double mindestminderung = 0.5;
inline constexpr double mindestzuwendung = 5000;

// The cumulative costs of year 0 to 25 (nominal, with the rise of the price)
// of the existing installation and of the renovated one, which starts at its
// own share of the renovation costs: the picture a council is shown.
struct Kostenverlauf {
    std::array<double, wirtschaftsjahre + 1> bestand{};
    std::array<double, wirtschaftsjahre + 1> saniert{};
    std::optional<double> schnittjahr; // where the renovated line meets the existing one; none within 25 years

    bool operator==(const Kostenverlauf&) const = default;
};

struct Sanierungswirtschaft {
    std::optional<double> energieeinsparung; // 1 − renovated ÷ existing energy per year; none without existing energy
    double foerderung = 0;
    std::string foerderhinweis; // why there is no grant although a rate is set; empty otherwise
    double eigenanteil = 0;     // the renovation costs less the grant
    double kapitalwert = 0;     // −I + Σ (c_b(t) − c_n(t)) / (1+i)^t
    // The first year in which the discounted saving reaches the own share,
    // its fraction by linear interpolation; none within 25 years.
    std::optional<double> dynamischeAmortisation;
    Kostenverlauf verlauf;
};

// Of a renovation whose step 2 and step 4 are computed; the rates in % are
// those of the path's basis.
Sanierungswirtschaft sanierungswirtschaft(const Pfadzustand& zustand);

// The construction costs and the present value of the 25 years of a new
// installation whose steps 2 and 4 are computed; none without construction costs.
std::optional<double> barwertDerGesamtkosten(const Pfadzustand& zustand);

// "Kalkulationszins 2,0 %, Strompreissteigerung 2,0 % pro Jahr, Förderquote 0 %";
// without the grant, which only a renovation can have, on a new construction.
std::string wirtschaftsbasistext(const Preise& preise, bool mitFoerderquote);

} // namespace grobrechner
