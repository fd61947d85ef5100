#include "frmneuerrland.h"

#include "errichtungskosten.h"

namespace grobrechner {

namespace {

Neuerrichtungseingabe::Art landesstrasse()
{
    Neuerrichtungseingabe::Art art{{}, false};
    for (const Regelabstand& zeile : regelabstaende())
        art.hoehen.push_back(zeile.hoehe);
    return art;
}

} // namespace

frmneuerrland::frmneuerrland(Umgebung& umgebung)
    : Neuerrichtungseingabe(QStringLiteral("frmneuerrland"), umgebung, landesstrasse())
{
}

} // namespace grobrechner
