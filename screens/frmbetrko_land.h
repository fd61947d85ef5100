#pragma once

#include "betriebseingabe.h"

namespace grobrechner {

// Operating costs of new lighting on a state road. Such a road is lit all
// night: the switch-off cannot be chosen and has no duration. A price of 0
// passes.
class frmbetrko_land : public Betriebseingabe {
    Q_OBJECT
public:
    explicit frmbetrko_land(Umgebung& umgebung);
};

} // namespace grobrechner
