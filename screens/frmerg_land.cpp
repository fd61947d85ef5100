#include "frmerg_land.h"

#include "pfadbildschirme.h"

namespace grobrechner {

namespace {

const Neuerrichtungsblatt::Art landesstrasse{true, false};

} // namespace

frmerg_land::frmerg_land(Umgebung& umgebung)
    : Neuerrichtungsblatt(pfadbildschirm(Pfad::Landesstrasse, Schritt::Ergebnisblatt), umgebung, landesstrasse)
{
}

} // namespace grobrechner
