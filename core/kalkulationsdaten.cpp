#include "kalkulationsdaten.h"

namespace grobrechner {

namespace {

// The duration the switch-off fields stand for until the user types one.
constexpr double eintrittsAbschaltdauer = 6;

Schaltung eintrittsschaltung()
{
    Schaltung s;
    s.abschaltdauer = eintrittsAbschaltdauer;
    return s;
}

} // namespace

void pfadZuruecksetzen(Kalkulationsdaten& d, Pfad pfad)
{
    const Kalkulationsdaten start;
    d.leuchtenart = start.leuchtenart;
    d.verteiler = start.verteiler;
    switch (pfad) {
    case Pfad::Landesstrasse:
        d.strlaenge = start.strlaenge;
        d.lphoehe = start.lphoehe;
        d.grabungsl = start.grabungsl;
        break;
    case Pfad::Gemeindestrasse:
        d.strlaenge = start.strlaenge;
        d.lphoehe = start.lphoehe;
        d.lpabstand = start.lpabstand;
        d.grabungsl = start.grabungsl;
        break;
    case Pfad::Sanierung:
        d.anzahllp = start.anzahllp;
        d.mast = start.mast;
        break;
    }
}

void eintrittswerteSetzen(Kalkulationsdaten& d, Pfad pfad)
{
    const Kalkulationsdaten start;
    d.lampe = &vorgabelampe(lampenauswahl(pfad));
    d.schaltung = eintrittsschaltung();
    d.strompreis = start.strompreis;
    if (pfad != Pfad::Sanierung)
        return;
    d.wattageb = start.wattageb;
    d.bestandslampe = &bestandsvorgabe();
    d.schaltungb = eintrittsschaltung();
}

} // namespace grobrechner
