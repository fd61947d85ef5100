#include "frmerg_land.h"

#include "pfadbildschirme.h"

namespace grobrechner {

frmerg_land::frmerg_land(Umgebung& umgebung)
    : Gesamtblatt(pfadbildschirm(Pfad::Landesstrasse, Schritt::Ergebnisblatt), umgebung)
{
}

} // namespace grobrechner
