#include "frmbetrko_gde.h"

namespace grobrechner {

frmbetrko_gde::frmbetrko_gde(Umgebung& umgebung)
    : Betriebseingabe(QStringLiteral("frmbetrko_gde"), umgebung)
{
}

} // namespace grobrechner
