#pragma once

#include "ergebnisseite.h"

namespace grobrechner {

// "Betriebskosten der zu sanierenden Gemeindestraße": the existing installation
// and the renovated one side by side, with the deviation of the renovated total
// from the existing one, as the path worked them out when the screen opened.
class frmbetrkoerg_san : public Ergebnisseite {
    Q_OBJECT
public:
    explicit frmbetrkoerg_san(Umgebung& umgebung);
};

} // namespace grobrechner
