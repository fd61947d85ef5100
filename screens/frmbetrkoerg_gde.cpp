#include "frmbetrkoerg_gde.h"

#include "pfadbildschirme.h"

namespace grobrechner {

frmbetrkoerg_gde::frmbetrkoerg_gde(Umgebung& umgebung)
    : Ergebnisseite(pfadbildschirm(Pfad::Gemeindestrasse, Schritt::Betrieb), umgebung)
{}

} // namespace grobrechner
