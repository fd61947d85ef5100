#pragma once

#include "betriebseingabe.h"

namespace grobrechner {

// Operating costs of new lighting on a municipal road: the night switch-off
// may be chosen, with its duration. The price must be more than 0.
class frmbetrko_gde : public Betriebseingabe {
    Q_OBJECT
public:
    explicit frmbetrko_gde(Umgebung& umgebung);
};

} // namespace grobrechner
