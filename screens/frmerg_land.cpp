#include "frmerg_land.h"

namespace grobrechner {

namespace {

const Neuerrichtungsblatt::Art landesstrasse{true, false};

} // namespace

frmerg_land::frmerg_land(Umgebung& umgebung)
    : Neuerrichtungsblatt(QStringLiteral("frmerg_land"), umgebung, landesstrasse)
{
}

} // namespace grobrechner
