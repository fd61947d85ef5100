#pragma once

#include "ergebnisseite.h"

namespace grobrechner {

// "Betriebskosten der Landesstraße": a state road is never switched off, so its
// switch-off row stays hidden and empty.
class frmbetrkoerg_land : public Ergebnisseite {
    Q_OBJECT
public:
    explicit frmbetrkoerg_land(Umgebung& umgebung);
};

} // namespace grobrechner
