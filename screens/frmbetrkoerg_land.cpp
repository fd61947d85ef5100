#include "frmbetrkoerg_land.h"

#include "pfadbildschirme.h"

namespace grobrechner {

frmbetrkoerg_land::frmbetrkoerg_land(Umgebung& umgebung)
    : Ergebnisseite(pfadbildschirm(Pfad::Landesstrasse, Schritt::Betrieb), umgebung)
{}

} // namespace grobrechner
