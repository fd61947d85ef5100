#pragma once

#include "kalkulationsdaten.h"
#include "preise.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace grobrechner {

// The light point spacing of a state road: fixed per mast height and
// luminaire style (decorative luminaires stand closer). Only the heights of
// this table are offered on the state road.
struct Regelabstand {
    float hoehe;  // m
    float techn;  // spacing for technical luminaires, m
    float deko;   // for decorative ones, m
};
std::span<const Regelabstand> regelabstaende();
// Nothing for a height the table does not know.
std::optional<float> landesstrassenabstand(float hoehe, Leuchtenart leuchtenart);

// What the municipal road recommends as spacing for a mast height, and the
// largest spacing it accepts there (the same for both styles).
struct Abstandsempfehlung {
    float hoehe;   // m
    float techn;   // recommended spacing for technical luminaires, m
    float deko;    // for decorative ones, m
    float maximum; // m
};
std::span<const Abstandsempfehlung> abstandsempfehlungen();
// The row of a height, or null for a height the table does not know.
const Abstandsempfehlung* abstandsempfehlung(float hoehe);
// "Bei 4,5 m Lichtpunkthöhe empfehlen wir 20 m Lichtpunktabstand, maximal 35 m!"
std::string empfehlungstext(const Abstandsempfehlung& zeile, Leuchtenart leuchtenart);

// The length dug in soil, as the input screens show it while the user types:
// the street length less the length dug in asphalt, from the two typed texts
// (German number texts), in double; negative when more is dug in asphalt than
// the street is long. Nothing while either text is not a number.
std::optional<double> erdreichlaenge(std::string_view strassenlaenge, std::string_view asphaltlaenge);

// The rough construction costs of new lighting, € including VAT. Both roads
// price alike; they differ only in where the spacing comes from.
struct Errichtungskosten {
    double anzahl = 0;              // light points, a whole number
    std::array<float, 8> posten{};  // the eight cost terms in their order
    float summe = 0;

    bool operator==(const Errichtungskosten&) const = default;
};

// Reads strlaenge, leuchtenart, verteiler and grabungsl; the spacing must be
// above 0. The prices are the construction prices of the settings at their index.
Errichtungskosten errichtungskostenBerechnen(const Kalkulationsdaten& daten, float abstand, const Preise& preise);

} // namespace grobrechner
