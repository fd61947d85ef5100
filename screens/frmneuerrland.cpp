#include "frmneuerrland.h"

namespace grobrechner {

namespace {

const Neuerrichtungseingabe::Art landesstrasse{false};

} // namespace

frmneuerrland::frmneuerrland(Umgebung& umgebung)
    : Neuerrichtungseingabe(QStringLiteral("frmneuerrland"), umgebung, landesstrasse)
{
}

} // namespace grobrechner
