#pragma once

#include "gesamtblatt.h"

namespace grobrechner {

// "Ergebnisblatt - Neuerrichtung einer Gemeindestraße": the spacing is an
// entered value, and the switch-off shows.
class frmerg_gde : public Gesamtblatt {
    Q_OBJECT
public:
    explicit frmerg_gde(Umgebung& umgebung);
};

} // namespace grobrechner
