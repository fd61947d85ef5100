#pragma once

#include "ergebnisseite.h"

namespace grobrechner {

// The renovation costs: the entered values and the rough total, as the path
// worked them out when the screen opened. Coming back to it shows the same
// figures; a new input opens it afresh.
class frmsanko : public Ergebnisseite {
    Q_OBJECT
public:
    explicit frmsanko(Umgebung& umgebung);
};

} // namespace grobrechner
