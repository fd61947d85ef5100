#include "frmbetrkoerg_land.h"

#include "pfadbildschirme.h"

namespace grobrechner {

namespace {

using E = Betriebsergebnis::Eingabe;

const Betriebsergebnis::Art landesstrasse{
    {E::Leuchtmittel, E::Einschaltung, E::Absenkung, E::Strompreis, E::Abschaltung},
    false,
    // Two blanks before "(Grobkosten)" on this road only.
    "Betriebskosten gesamt für 25 Jahre  (Grobkosten):",
};

} // namespace

frmbetrkoerg_land::frmbetrkoerg_land(Umgebung& umgebung)
    : Betriebsergebnis(pfadbildschirm(Pfad::Landesstrasse, Schritt::Betrieb), umgebung, landesstrasse)
{
}

} // namespace grobrechner
