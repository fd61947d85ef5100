#include "kalkulationsdaten.h"

#include "eingabefelder.h"

namespace grobrechner {

namespace {

// The duration the switch-off fields stand for until the user types one.
constexpr double eintrittsAbschaltdauer = 6;

void schrittUebernehmen(Kalkulationsdaten& ziel, const Kalkulationsdaten& quelle, Pfad pfad, int schritt)
{
    for (Eingabefeld feld : eingabefelder(pfad, schritt))
        uebernehmen(ziel, quelle, feld);
}

} // namespace

void pfadZuruecksetzen(Kalkulationsdaten& d, Pfad pfad)
{
    schrittUebernehmen(d, Kalkulationsdaten{}, pfad, 1);
}

void eintrittswerteSetzen(Kalkulationsdaten& d, Pfad pfad)
{
    Kalkulationsdaten eintritt;
    eintritt.lampe = &vorgabelampe(lampenauswahl(pfad));
    eintritt.schaltung.abschaltdauer = eintrittsAbschaltdauer;
    eintritt.schaltungb.abschaltdauer = eintrittsAbschaltdauer;
    schrittUebernehmen(d, eintritt, pfad, 3);
}

} // namespace grobrechner
