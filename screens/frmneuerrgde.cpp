#include "frmneuerrgde.h"

namespace grobrechner {

namespace {

const Neuerrichtungseingabe::Art gemeindestrasse{true};

} // namespace

frmneuerrgde::frmneuerrgde(Umgebung& umgebung)
    : Neuerrichtungseingabe(QStringLiteral("frmneuerrgde"), umgebung, gemeindestrasse)
{
}

} // namespace grobrechner
