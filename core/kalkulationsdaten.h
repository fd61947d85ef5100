#pragma once

#include <string>

namespace grobrechner {

// The one calculation record of a run. Screens read and write its fields
// directly; it carries the inputs of a path from screen to screen. Texts hold
// the keywords "ja"/"nein", "techn"/"deko" and "dämm"/"astro"; every consumer
// compares them exactly and treats any other text as the other choice.
// Amounts are single precision, as the cost models round to float.
struct Kalkulationsdaten {
    std::string leuchtenart;   // "techn" or "deko"
    float strlaenge = 0;       // m
    float lphoehe = 0;         // m
    float lpabstand = 0;       // m, municipal road only
    float anzahllp = 0;        // light points; fractional on the renovation path
    std::string verteiler;     // new distribution cabinet: "ja" / "nein"
    std::string mast;          // renovation: existing masts reused: "ja" / "nein"
    float grabungsl = 0;       // m of digging in asphalt
    std::string leuchtmittel;  // planned lamp type
    float wattage = 0;         // W
    float systemleistung = 0;  // W per light point, lamp plus gear
    float lebensdauer = 0;     // h
    float lampenpreis = 0;     // €
    std::string einschaltung;  // "dämm" or "astro"
    std::string abschaltung;   // night switch-off: "ja" / "nein"
    std::string abschaltdauer; // hours per night, kept as typed
    std::string absenkung;     // night dimming: "ja" / "nein"
    float strompreis = 0;      // Cent/kWh
    float wattageb = 0;        // existing installation: W
    std::string leuchtmittelb;
    float lebensdauerb = 0;
    std::string einschaltungb;
    std::string abschaltungb;
    std::string abschaltdauerb;
    std::string absenkungb;
};

// The three calculation paths of the main menu.
enum class Pfad { Landesstrasse, Gemeindestrasse, Sanierung };
inline constexpr Pfad allePfade[] = {Pfad::Landesstrasse, Pfad::Gemeindestrasse, Pfad::Sanierung};

// Values of a fresh program start.
void startwerteSetzen(Kalkulationsdaten& daten);

// What a path button of the main menu resets before its input screen is used;
// every other field keeps the value of the previous calculation.
void pfadZuruecksetzen(Kalkulationsdaten& daten, Pfad pfad);

// The operating fields as a path enters its operating-cost step. They match the
// choices that a freshly opened operating-cost input shows.
struct Eintrittswerte {
    const char* leuchtmittel;
    float systemleistung;
    float wattage;
    float lebensdauer;
    float lampenpreis;
    const char* einschaltung;
    const char* abschaltung;
    const char* abschaltdauer;
    const char* absenkung;
    float strompreis;
    bool mitBestand; // the existing installation is reset too (renovation)
    const char* einschaltungb;
    const char* abschaltungb;
    const char* abschaltdauerb;
    const char* absenkungb;
    float wattageb;
    const char* leuchtmittelb;
    float lebensdauerb;
};

const Eintrittswerte& eintrittswerte(Pfad pfad);
void eintrittswerteSetzen(Kalkulationsdaten& daten, Pfad pfad);

} // namespace grobrechner
