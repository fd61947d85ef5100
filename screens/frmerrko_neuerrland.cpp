#include "frmerrko_neuerrland.h"

#include "errichtungskosten.h"

namespace grobrechner {

namespace {

using Z = Errichtungsergebnis::Zeile;

const Errichtungsergebnis::Art landesstrasse{
    [](const Kalkulationsdaten& d) { return landesstrassenabstand(d.lphoehe, d.leuchtenart); },
    {Z::Leuchtenart, Z::Strassenlaenge, Z::LichtpunkthoeheGerundet, Z::Verteiler, Z::Grabungslaenge},
    {Z::Regelabstand, Z::Anzahl, Z::Kosten},
};

} // namespace

frmerrko_neuerrland::frmerrko_neuerrland(Umgebung& umgebung)
    : Errichtungsergebnis(QStringLiteral("frmerrko_neuerrland"), umgebung, landesstrasse)
{
}

} // namespace grobrechner
