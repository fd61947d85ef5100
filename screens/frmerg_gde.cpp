#include "frmerg_gde.h"

#include "pfadbildschirme.h"

namespace grobrechner {

frmerg_gde::frmerg_gde(Umgebung& umgebung)
    : Gesamtblatt(pfadbildschirm(Pfad::Gemeindestrasse, Schritt::Ergebnisblatt), umgebung)
{
}

} // namespace grobrechner
