#pragma once

#include "kalkulationsdaten.h"

#include <string>
#include <string_view>

namespace grobrechner {

// The operating costs of a planned installation over 25 years; every figure
// is shown with formatGanzzahl.
struct Betriebskostenergebnis {
    float betrstdjahr = 0;    // burning hours per year
    float energiejahr = 0;    // kWh per year, all light points
    float energiekojahr = 0;  // € per year
    float energie25 = 0;      // kWh over 25 years
    float energieko25 = 0;    // € over 25 years
    float lampenersko25 = 0;  // € over 25 years
    double wartinstko25 = 0;  // € over 25 years; shown from the double product
    float betrkoges = 0;      // € over 25 years; adds the maintenance rounded to float
    // Intermediate figures, for tests and explanations.
    float lampenwechsel = 0;  // lamp changes per light point over 25 years
    float lebensdauer = 0;    // the lamp life they follow, dimmed when dimming is on
};

// Computes from the record only and writes nothing back: night dimming
// lengthens or shortens the chosen lamp's own life inside the computation, so
// the same record always gives the same figures.
Betriebskostenergebnis Betriebskostenrechnung(const Kalkulationsdaten& daten);

// The lamp life under night dimming; lives outside the table stay as they are.
float gedimmteLebensdauer(float lebensdauer);

// Texts of the entered values on the operating-cost results. The switch-off and
// dimming values show the record's keyword as it stands.
std::string einschaltungstext(std::string_view einschaltung); // for einschaltung and einschaltungb
std::string leuchtmitteltext(const Kalkulationsdaten& daten); // "Natriumdampf-Hochdrucklampe,   50 Watt"
std::string strompreistext(const Kalkulationsdaten& daten);   // plain number text: "12,5"

} // namespace grobrechner
