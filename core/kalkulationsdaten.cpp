#include "kalkulationsdaten.h"

#include "eingabefelder.h"

namespace grobrechner {

namespace {

// The duration the switch-off fields stand for until the user types one.
constexpr double eintrittsAbschaltdauer = 6;

void schrittUebernehmen(Kalkulationsdaten& ziel, const Kalkulationsdaten& quelle, Pfad pfad, Schritt schritt)
{
    for (Eingabefeld feld : eingabefelder(pfad, schritt))
        uebernehmen(ziel, quelle, feld);
}

} // namespace

void pfadZuruecksetzen(Kalkulationsdaten& d, Pfad pfad)
{
    schrittUebernehmen(d, Kalkulationsdaten{}, pfad, Schritt::Eingabe);
}

void eintrittswerteSetzen(Kalkulationsdaten& d, Pfad pfad)
{
    Kalkulationsdaten eintritt;
    eintritt.lampe = &vorgabelampe(lampenauswahl(pfad));
    eintritt.schaltung.abschaltdauer = eintrittsAbschaltdauer;
    eintritt.schaltungb.abschaltdauer = eintrittsAbschaltdauer;
    schrittUebernehmen(d, eintritt, pfad, Schritt::Betriebseingabe);
}

} // namespace grobrechner
