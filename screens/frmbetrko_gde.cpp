#include "frmbetrko_gde.h"

#include "pfadbildschirme.h"

namespace grobrechner {

frmbetrko_gde::frmbetrko_gde(Umgebung& umgebung)
    : Betriebseingabe(pfadbildschirm(Pfad::Gemeindestrasse, Schritt::Betriebseingabe), umgebung)
{
}

} // namespace grobrechner
