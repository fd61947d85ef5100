#pragma once

#include "ergebnisseite.h"

namespace grobrechner {

// "Errichtungskosten der Landesstraße": the spacing follows from the mast
// height and the luminaire style and is shown among the results.
class frmerrko_neuerrland : public Ergebnisseite {
    Q_OBJECT
public:
    explicit frmerrko_neuerrland(Umgebung& umgebung);
};

} // namespace grobrechner
