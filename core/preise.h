#pragma once

#include "lampenkatalog.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace grobrechner {

// The catalogue's own lamp prices, in its order.
std::array<float, lampenzahl> katalogpreise();

// The prices and figures a user may set, in one place. A fresh struct holds the
// program's own values: the euro prices as of April 2009 (LED luminaires as of
// today), a price index of 100 % and the CO₂ factor of the grid mix.
//
// Amounts are single precision, as typed; the cost models widen them to double
// in the places where they used to write the constants. The price index scales
// every April 2009 price, never the LED prices. At 100 % the prices are used as
// they are, not multiplied by 1, so the defaults give every figure exactly as
// before prices could be set.
struct Preise {
    // Construction of new lighting on both roads, € including VAT.
    float errLeuchteTechn = 1000;   // per light point
    float errLeuchteDeko = 1550;    // per light point
    float errPosten2 = 160;         // per light point
    float errPauschale3 = 500;      // flat, up to 12 light points
    float errPosten3 = 40;          // per light point above 12
    float errPosten4 = 25;          // per light point
    float errPauschale5 = 500;      // flat, up to 16 light points
    float errPosten5 = 30;          // per light point above 16
    float errVerteiler = 7500;      // per distribution cabinet
    float errGrabungErdreich = 40;  // per m
    float errGrabungAsphalt = 130;  // per m
    float errPosten8 = 40;          // per light point

    // Renovation of a municipal road, € including VAT; the results are whole euros.
    float sanLeuchteTechn = 750;    // per light point
    float sanLeuchteDeko = 950;
    float sanMastTechn = 250;       // only when the masts are not reused
    float sanMastDeko = 600;
    float sanPosten3 = 55;          // only when the masts are not reused
    float sanPosten4 = 60;          // only when the masts are not reused
    float sanPauschale5 = 500;      // flat, up to 12 light points
    float sanPosten5 = 40;          // per light point above 12
    float sanPosten6 = 25;
    float sanPauschale7 = 500;      // flat, up to 16 light points
    float sanPosten7 = 30;          // per light point above 16
    float sanVerteiler = 7500;      // per cabinet
    float sanPosten9 = 40;

    // Maintenance and inspection per lamp change and light point, before the
    // surcharge of 15 % that the operating costs add.
    float wartungJeWechsel = 30;

    // The price of each catalogue lamp, in the order of Lampenkatalog.
    std::array<float, lampenzahl> lampenpreise = katalogpreise();

    float preisindex = 100; // % of the April 2009 prices
    float co2faktor = 363;  // g CO₂ per kWh of electricity

    // What a renovation is worth to the municipality, in % (per year).
    float zins = 2;         // the calculation's interest rate
    float steigerung = 2;   // how much dearer electricity gets each year; may be negative
    float foerderquote = 0; // the share of the renovation costs a grant may pay

    bool operator==(const Preise&) const = default;

    // An April 2009 price at today's index, in double.
    double indexiert(float stand2009) const;
    // What one lamp of the catalogue costs now: its price, indexed unless it is an LED.
    double lampenpreis(const Lampe& lampe) const;
    // Whether any price or the index differs from the program's own (the CO₂
    // factor and the economic figures are not prices).
    bool eigenePreise() const;
};

// What a calculation's figures rest on: the prices and figures of the
// settings, or those a calculation file brought along.
struct Berechnungsgrundlage {
    Preise preise;
    bool ausDatei = false; // the prices came with a calculation file

    bool operator==(const Berechnungsgrundlage&) const = default;
};

// Where a setting may lie. The price window refuses, and reading stored
// settings passes over, anything outside these bounds.
inline constexpr float hoechstpreis = 1000000; // €
inline constexpr float kleinsterPreisindex = 1; // %
inline constexpr float groessterPreisindex = 1000;
// g/kWh: far above any grid's, far below what would fill a figure's column.
inline constexpr float groessterCo2faktor = 2000;

bool preisZulaessig(float preis);
bool preisindexZulaessig(float index);
bool co2faktorZulaessig(float faktor);
bool zinsZulaessig(float prozent);        // 0 to 20 %
bool steigerungZulaessig(float prozent);  // −10 to 20 %
bool foerderquoteZulaessig(float prozent); // 0 to 100 %

// The three rates of what a renovation is worth, as the price window lists
// them and the settings and calculation files keep them.
struct Satz {
    std::string_view schluessel;   // ASCII: the stored setting's and the file's name
    std::string_view beschriftung; // "Kalkulationszins in % pro Jahr"
    std::string_view name;         // as a message names it: "den Kalkulationszins"
    float Preise::*wert;
    bool (*zulaessig)(float);
    float kleinster, groesster;    // the bounds it is told with, in %
    bool zinssatz;                 // written as a treasurer writes a rate, with at least one decimal
};
std::span<const Satz> saetze();

// A rate as a treasurer writes it, with at least one decimal: "2,0", "2,25".
std::string satztext(float prozent);
// The figure of a rate as the window and the sheets show it: a rate of
// interest as above, a share as its plain number ("25").
std::string satztext(const Satz& satz, float prozent);

// One euro amount of the settings, as the price window lists it and the
// settings store it.
enum class Preisgruppe { Errichtung, Sanierung, Wartung, Lampen, LED };

struct Preisposten {
    Preisgruppe gruppe;
    std::string_view schluessel;  // ASCII, unique: the stored setting's name
    std::string_view bezeichnung; // caption; for a lamp its caption in the catalogue
    std::string_view einheit;     // "€ je Lichtpunkt"
    float Preise::*feld;          // null for a lamp
    const Lampe* lampe;           // the lamp whose price it is, or null
};

// Every euro amount: construction, renovation, maintenance, then the lamps in
// catalogue order.
std::span<const Preisposten> preisposten();
float& betrag(Preise& preise, const Preisposten& posten);
float betrag(const Preise& preise, const Preisposten& posten);

// The amount as a message names it: "Errichtung: Leuchte, technisch",
// "Natriumdampf-Hochdrucklampe 50 Watt, 4.400 lm".
std::string postenname(const Preisposten& posten);

} // namespace grobrechner
