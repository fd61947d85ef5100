#include "frmbetrko_land.h"

namespace grobrechner {

frmbetrko_land::frmbetrko_land(Umgebung& umgebung)
    : Betriebseingabe(QStringLiteral("frmbetrko_land"), umgebung)
{
}

} // namespace grobrechner
