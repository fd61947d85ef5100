#pragma once

#include "ergebnisseite.h"

namespace grobrechner {

// "Betriebskosten der Gemeindestraße": shows the night switch-off the user chose.
class frmbetrkoerg_gde : public Ergebnisseite {
    Q_OBJECT
public:
    explicit frmbetrkoerg_gde(Umgebung& umgebung);
};

} // namespace grobrechner
