#include "frmerg_gde.h"

namespace grobrechner {

namespace {

const Neuerrichtungsblatt::Art gemeindestrasse{false, true};

} // namespace

frmerg_gde::frmerg_gde(Umgebung& umgebung)
    : Neuerrichtungsblatt(QStringLiteral("frmerg_gde"), umgebung, gemeindestrasse)
{
}

} // namespace grobrechner
