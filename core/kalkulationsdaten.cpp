#include "kalkulationsdaten.h"

namespace grobrechner {

namespace {

// One row per path, in the order of Pfad.
constexpr Eintrittswerte eintrittstabelle[] = {
    // Landesstraße: the operating step starts from a 70 W sodium lamp.
    {"Natriumdampf-Hochdrucklampe", 83, 70, 16000, 40, "dämm", "nein", "6", "nein", 0,
     false, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0},
    // Gemeindestraße: from a 50 W sodium lamp.
    {"Natriumdampf-Hochdrucklampe", 62, 50, 16000, 40, "dämm", "nein", "6", "nein", 0,
     false, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0},
    // Sanierung: 50 W sodium planned against 80 W mercury vapour existing.
    {"Natriumdampf-Hochdrucklampe", 62, 50, 16000, 40, "dämm", "nein", "6", "nein", 0,
     true, "dämm", "nein", "6", "nein", 80, "Quecksilberdampflampen", 7000},
};

} // namespace

void startwerteSetzen(Kalkulationsdaten& d)
{
    d.leuchtenart = "techn";
    d.strlaenge = 0;
    d.lphoehe = 0;
    d.lpabstand = 0;
    d.anzahllp = 0;
    d.verteiler = "ja";
    d.mast = "nein";
    d.grabungsl = 0;
    d.leuchtmittel = "Natriumdampf-Hochdrucklampe";
    d.systemleistung = 62;
    d.wattage = 50;
    d.lebensdauer = 16000;
    d.lampenpreis = 40;
    d.einschaltung = "dämm";
    d.abschaltung = "nein";
    d.absenkung = "nein";
    d.strompreis = 0;
    d.einschaltungb = "dämm";
    d.abschaltungb = "nein";
    d.absenkungb = "nein";
    d.wattageb = 80;
    d.leuchtmittelb = "Quecksilberdampflampen";
    d.lebensdauerb = 7000;
    // The switch-off durations stay empty until a path enters its operating step.
    d.abschaltdauer.clear();
    d.abschaltdauerb.clear();
}

void pfadZuruecksetzen(Kalkulationsdaten& d, Pfad pfad)
{
    d.leuchtenart = "techn";
    d.verteiler = "ja";
    switch (pfad) {
    case Pfad::Landesstrasse:
        d.strlaenge = 0;
        d.lphoehe = 0;
        d.grabungsl = 0;
        break;
    case Pfad::Gemeindestrasse:
        d.strlaenge = 0;
        d.lphoehe = 0;
        d.lpabstand = 0;
        d.grabungsl = 0;
        break;
    case Pfad::Sanierung:
        d.anzahllp = 0;
        d.mast = "nein";
        break;
    }
}

const Eintrittswerte& eintrittswerte(Pfad pfad)
{
    return eintrittstabelle[static_cast<int>(pfad)];
}

void eintrittswerteSetzen(Kalkulationsdaten& d, Pfad pfad)
{
    const Eintrittswerte& e = eintrittswerte(pfad);
    d.leuchtmittel = e.leuchtmittel;
    d.systemleistung = e.systemleistung;
    d.wattage = e.wattage;
    d.lebensdauer = e.lebensdauer;
    d.lampenpreis = e.lampenpreis;
    d.einschaltung = e.einschaltung;
    d.abschaltung = e.abschaltung;
    d.abschaltdauer = e.abschaltdauer;
    d.absenkung = e.absenkung;
    d.strompreis = e.strompreis;
    if (!e.mitBestand)
        return;
    d.einschaltungb = e.einschaltungb;
    d.abschaltungb = e.abschaltungb;
    d.abschaltdauerb = e.abschaltdauerb;
    d.absenkungb = e.absenkungb;
    d.wattageb = e.wattageb;
    d.leuchtmittelb = e.leuchtmittelb;
    d.lebensdauerb = e.lebensdauerb;
}

} // namespace grobrechner
