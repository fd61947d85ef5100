#pragma once

#include "neuerrichtungseingabe.h"

namespace grobrechner {

// "Neuerrichtung einer Gemeindestraße": the user chooses the spacing; the
// screen recommends one for the height and style and accepts none above the
// height's maximum.
class frmneuerrgde : public Neuerrichtungseingabe {
    Q_OBJECT
public:
    explicit frmneuerrgde(Umgebung& umgebung);
};

} // namespace grobrechner
