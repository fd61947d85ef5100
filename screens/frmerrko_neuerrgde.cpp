#include "frmerrko_neuerrgde.h"

namespace grobrechner {

namespace {

using Z = Errichtungsergebnis::Zeile;

const Errichtungsergebnis::Art gemeindestrasse{
    {Z::Leuchtenart, Z::Strassenlaenge, Z::Lichtpunkthoehe, Z::Lichtpunktabstand, Z::Verteiler, Z::Grabungslaenge},
    {Z::Anzahl, Z::Kosten},
};

} // namespace

frmerrko_neuerrgde::frmerrko_neuerrgde(Umgebung& umgebung)
    : Errichtungsergebnis(QStringLiteral("frmerrko_neuerrgde"), umgebung, gemeindestrasse)
{
}

} // namespace grobrechner
