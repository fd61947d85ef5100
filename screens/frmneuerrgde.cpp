#include "frmneuerrgde.h"

#include "errichtungskosten.h"

namespace grobrechner {

namespace {

Neuerrichtungseingabe::Art gemeindestrasse()
{
    Neuerrichtungseingabe::Art art{{}, true};
    for (const Abstandsempfehlung& zeile : abstandsempfehlungen())
        art.hoehen.push_back(zeile.hoehe);
    return art;
}

} // namespace

frmneuerrgde::frmneuerrgde(Umgebung& umgebung)
    : Neuerrichtungseingabe(QStringLiteral("frmneuerrgde"), umgebung, gemeindestrasse())
{
}

} // namespace grobrechner
