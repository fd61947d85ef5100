#pragma once

#include "ergebnisblatt.h"
#include "kalkulationsdaten.h"
#include "pfadzustand.h"

#include <array>
#include <string>

// The texts the result screens and sheets show, worked out from the path state.
// A screen only puts them into its labels. A figure its step has not computed
// (none of the paths gets there) stays empty.

namespace grobrechner {

// The entered values as the screens echo them.
std::string jaNeinText(bool ja);                       // "ja" / "nein"
std::string leuchtenartText(Leuchtenart leuchtenart);  // "technische Leuchte" / "dekorative Leuchte"
std::string einschaltungstext(Einschaltung einschaltung);

// The name of the calculation that the latest step of the path was worked out
// for; empty when it has none.
std::string bezeichnungstext(const Pfadzustand& zustand);

// Step 2 of a new-construction path. The spacing is the one the user chose on
// a municipal road and the one the table gives on a state road.
struct Errichtungstexte {
    std::string leuchtenart;
    std::string strassenlaenge;
    std::string lichtpunkthoehe;
    std::string lichtpunktabstand;
    std::string verteiler;
    std::string grabungslaenge;
    std::string anzahllp;
    std::string errko;
};
Errichtungstexte errichtungstexte(const Pfadzustand& zustand);

// Step 2 of the renovation.
struct Sanierungstexte {
    std::string leuchtenart;
    std::string maste;
    std::string verteiler;
    std::string lp;
    std::string sanko;
};
Sanierungstexte sanierungstexte(const Pfadzustand& zustand);

// The figure rows of an installation's operating costs, top to bottom: the
// total of the costs, then the CO₂ the energy stands for.
enum Betriebszeile {
    Betriebsstunden,
    Energiejahr,
    Energiekostenjahr,
    Energie25,
    Energiekosten25,
    Lampenersatz25,
    Wartung25,
    Gesamt,
    Co2Jahr,
    Co225,
};
inline constexpr int betriebszeilen = Co225 + 1;

// The CO₂ of an amount of energy in t, "#,##0.0": kWh × g/kWh / 1 000 000.
std::string co2text(float kwh, float faktor);

// The line that says what the figures of a result rest on:
// "Datenbasis: Preisstand April 2009; CO₂-Faktor 363 g/kWh", or with prices of
// one's own "Datenbasis: Eigene Preise, Preisindex 185 % gegenüber April 2009;
// CO₂-Faktor 363 g/kWh"; when they came with a calculation file,
// "Datenbasis: Preise aus der Datei: …".
std::string datenbasistext(const Berechnungsgrundlage& grundlage);
// The line of a result step from the basis of its path; empty for a step
// without figures.
std::string datenbasistext(const Pfadzustand& zustand, Schritt schritt);

// One installation on step 4.
struct Anlagentexte {
    std::string leuchtmittel; // "Natriumdampf-Hochdrucklampe,   50 Watt"; existing: "Quecksilberdampflampen,"
    std::string wattage;      // existing installation only: "80 Watt"
    std::string einschaltung;
    std::string abschaltung;  // empty on the state road, which is never switched off
    std::string absenkung;
    std::array<std::string, betriebszeilen> zahlen;
};

// Step 4: the planned installation and, on the renovation, the existing one
// with the deviation of the totals as shown.
struct Betriebstexte {
    std::string strompreis;
    Anlagentexte geplant;
    Anlagentexte bestand;
    std::string abweichung;
};
Betriebstexte betriebstexte(const Pfadzustand& zustand);

// The overall sheets: the two steps as their screens show them, and the
// sheet's own figures worked out from those displayed texts.
struct Neuerrichtungsblatttexte {
    Errichtungstexte errichtung;
    Betriebstexte betrieb;
    std::string ges;
};
Neuerrichtungsblatttexte neuerrichtungsblatttexte(const Pfadzustand& zustand);

struct Sanierungsblatttexte {
    Sanierungstexte sanierung;
    Betriebstexte betrieb;
    Sanierungsblatt eigene;
};
Sanierungsblatttexte sanierungsblatttexte(const Pfadzustand& zustand);

} // namespace grobrechner
