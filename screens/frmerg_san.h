#pragma once

#include "gesamtblatt.h"

namespace grobrechner {

// "Ergebnisblatt - Sanierung einer Gemeindestraße": the renovation on the left
// with the sheet's own figures — the total cost of the renovated installation
// over 25 years, the payback time and the total saving —, the existing and the
// renovated installation side by side on the right, with the deviation of
// their operating totals.
class frmerg_san : public Gesamtblatt {
    Q_OBJECT
public:
    explicit frmerg_san(Umgebung& umgebung);
};

} // namespace grobrechner
