#include "frmbetrkoerg_gde.h"

#include "pfadbildschirme.h"

namespace grobrechner {

namespace {

using E = Betriebsergebnis::Eingabe;

const Betriebsergebnis::Art gemeindestrasse{
    {E::Leuchtmittel, E::Einschaltung, E::Abschaltung, E::Absenkung, E::Strompreis},
    true,
    "Betriebskosten gesamt für 25 Jahre (Grobkosten):",
};

} // namespace

frmbetrkoerg_gde::frmbetrkoerg_gde(Umgebung& umgebung)
    : Betriebsergebnis(pfadbildschirm(Pfad::Gemeindestrasse, Schritt::Betrieb), umgebung, gemeindestrasse)
{
}

} // namespace grobrechner
