#pragma once

#include <optional>

namespace grobrechner {

// The three calculation paths of the main menu.
enum class Pfad { Landesstrasse, Gemeindestrasse, Sanierung };
inline constexpr Pfad allePfade[] = {Pfad::Landesstrasse, Pfad::Gemeindestrasse, Pfad::Sanierung};

// The five steps every path runs through, each a screen of its own.
enum class Schritt {
    Eingabe = 1,     // the construction or renovation input
    Kosten,          // the construction or renovation costs
    Betriebseingabe, // the operating-cost input
    Betrieb,         // the operating costs over 25 years
    Ergebnisblatt,   // both on one sheet
};
inline constexpr Schritt alleSchritte[] = {Schritt::Eingabe, Schritt::Kosten, Schritt::Betriebseingabe,
                                           Schritt::Betrieb, Schritt::Ergebnisblatt};

// 1 to 5, as the user counts the screens and a file keeps the step.
constexpr int nummer(Schritt s) { return static_cast<int>(s); }
constexpr std::optional<Schritt> schrittNummer(int n)
{
    if (n < nummer(Schritt::Eingabe) || n > nummer(Schritt::Ergebnisblatt))
        return std::nullopt;
    return static_cast<Schritt>(n);
}

constexpr bool istEingabe(Schritt s) { return s == Schritt::Eingabe || s == Schritt::Betriebseingabe; }
constexpr bool istErgebnis(Schritt s) { return !istEingabe(s); }

// The step after and before; nothing beyond the ends of the path.
constexpr std::optional<Schritt> danach(Schritt s) { return schrittNummer(nummer(s) + 1); }
constexpr std::optional<Schritt> davor(Schritt s) { return schrittNummer(nummer(s) - 1); }

} // namespace grobrechner
