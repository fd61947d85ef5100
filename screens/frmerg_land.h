#pragma once

#include "gesamtblatt.h"

namespace grobrechner {

// "Ergebnisblatt - Neuerrichtung einer Landesstraße": the spacing follows from
// the height, and the installation is never switched off.
class frmerg_land : public Gesamtblatt {
    Q_OBJECT
public:
    explicit frmerg_land(Umgebung& umgebung);
};

} // namespace grobrechner
