#pragma once

#include "ergebnisseite.h"

namespace grobrechner {

// "Errichtungskosten der Gemeindestraße": the spacing is the one the user
// chose and is shown among the entered values.
class frmerrko_neuerrgde : public Ergebnisseite {
    Q_OBJECT
public:
    explicit frmerrko_neuerrgde(Umgebung& umgebung);
};

} // namespace grobrechner
