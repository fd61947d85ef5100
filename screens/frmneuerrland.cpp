#include "frmneuerrland.h"

#include "pfadbildschirme.h"

namespace grobrechner {

namespace {

const Neuerrichtungseingabe::Art landesstrasse{false};

} // namespace

frmneuerrland::frmneuerrland(Umgebung& umgebung)
    : Neuerrichtungseingabe(pfadbildschirm(Pfad::Landesstrasse, Schritt::Eingabe), umgebung, landesstrasse)
{
}

} // namespace grobrechner
