#pragma once

#include "neuerrichtungseingabe.h"

namespace grobrechner {

// "Neuerrichtung einer Landesstraße": the spacing follows from the mast height
// and the luminaire style, so only the heights with a fixed spacing are offered.
class frmneuerrland : public Neuerrichtungseingabe {
    Q_OBJECT
public:
    explicit frmneuerrland(Umgebung& umgebung);
};

} // namespace grobrechner
