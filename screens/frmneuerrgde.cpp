#include "frmneuerrgde.h"

#include "pfadbildschirme.h"

namespace grobrechner {

namespace {

const Neuerrichtungseingabe::Art gemeindestrasse{true};

} // namespace

frmneuerrgde::frmneuerrgde(Umgebung& umgebung)
    : Neuerrichtungseingabe(pfadbildschirm(Pfad::Gemeindestrasse, Schritt::Eingabe), umgebung, gemeindestrasse)
{
}

} // namespace grobrechner
