#include "frmerg_gde.h"

#include "pfadbildschirme.h"

namespace grobrechner {

namespace {

const Neuerrichtungsblatt::Art gemeindestrasse{false, true};

} // namespace

frmerg_gde::frmerg_gde(Umgebung& umgebung)
    : Neuerrichtungsblatt(pfadbildschirm(Pfad::Gemeindestrasse, Schritt::Ergebnisblatt), umgebung, gemeindestrasse)
{
}

} // namespace grobrechner
