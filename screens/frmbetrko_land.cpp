#include "frmbetrko_land.h"

#include "pfadbildschirme.h"

namespace grobrechner {

frmbetrko_land::frmbetrko_land(Umgebung& umgebung)
    : Betriebseingabe(pfadbildschirm(Pfad::Landesstrasse, Schritt::Betriebseingabe), umgebung)
{
}

} // namespace grobrechner
