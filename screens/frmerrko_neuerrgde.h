#pragma once

#include "errichtungsergebnis.h"

namespace grobrechner {

// "Errichtungskosten der Gemeindestraße": the spacing is the one the user
// chose and is shown among the entered values.
class frmerrko_neuerrgde : public Errichtungsergebnis {
    Q_OBJECT
public:
    explicit frmerrko_neuerrgde(Umgebung& umgebung);
};

} // namespace grobrechner
