#pragma once

#include "kalkulationsdaten.h"
#include "preise.h"

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

    bool operator==(const Betriebskostenergebnis&) const = default;
};

// What the operating costs need to know of a lamp, and what a lamp change
// costs at it.
struct Lampendaten {
    float systemleistung;    // W, lamp and gear
    float lebensdauer;       // h
    double lampenpreis;      // € per replacement lamp
    double wartungJeWechsel; // € per lamp change and light point, before its surcharge
    // An LED luminaire comes with its first head, paid with the construction
    // or renovation: only the heads used up within the 25 years are bought.
    bool ersterKopfInbegriffen = false;
};

// Night dimming lengthens or shortens the lamp's own life inside the
// computation; nothing is written back, so the same inputs always give the
// same figures.
Betriebskostenergebnis Betriebskostenrechnung(const Lampendaten& lampe, const Schaltung& schaltung, float anzahllp,
                                              float strompreis);
// The planned installation of the record, at the lamp and maintenance prices
// of the settings.
Betriebskostenergebnis Betriebskostenrechnung(const Kalkulationsdaten& daten, const Preise& preise);

// The lamp life under night dimming; lives outside the table stay as they are.
float gedimmteLebensdauer(float lebensdauer);

} // namespace grobrechner
