#include "frmerrko_neuerrgde.h"

#include "pfadbildschirme.h"

namespace grobrechner {

namespace {

using Z = Errichtungsergebnis::Zeile;

const Errichtungsergebnis::Art gemeindestrasse{
    {Z::Leuchtenart, Z::Strassenlaenge, Z::Lichtpunkthoehe, Z::Lichtpunktabstand, Z::Verteiler, Z::Grabungslaenge},
    {Z::Anzahl, Z::Kosten},
};

} // namespace

frmerrko_neuerrgde::frmerrko_neuerrgde(Umgebung& umgebung)
    : Errichtungsergebnis(pfadbildschirm(Pfad::Gemeindestrasse, Schritt::Kosten), umgebung, gemeindestrasse)
{
}

} // namespace grobrechner
