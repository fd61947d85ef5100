#include "frmerrko_neuerrland.h"

#include "pfadbildschirme.h"

namespace grobrechner {

namespace {

using Z = Errichtungsergebnis::Zeile;

const Errichtungsergebnis::Art landesstrasse{
    {Z::Leuchtenart, Z::Strassenlaenge, Z::Lichtpunkthoehe, Z::Verteiler, Z::Grabungslaenge},
    {Z::Regelabstand, Z::Anzahl, Z::Kosten},
};

} // namespace

frmerrko_neuerrland::frmerrko_neuerrland(Umgebung& umgebung)
    : Errichtungsergebnis(pfadbildschirm(Pfad::Landesstrasse, Schritt::Kosten), umgebung, landesstrasse)
{
}

} // namespace grobrechner
