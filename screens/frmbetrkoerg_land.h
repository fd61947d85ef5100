#pragma once

#include "betriebsergebnis.h"

namespace grobrechner {

// "Betriebskosten der Landesstraße": a state road is never switched off, so its
// switch-off row stays hidden and empty.
class frmbetrkoerg_land : public Betriebsergebnis {
    Q_OBJECT
public:
    explicit frmbetrkoerg_land(Umgebung& umgebung);
};

} // namespace grobrechner
