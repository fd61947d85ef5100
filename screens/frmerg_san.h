#pragma once

#include "gesamtblatt.h"

namespace grobrechner {

// "Ergebnisblatt - Sanierung einer Gemeindestraße": the renovation on top
// with the sheet's own figures — the total cost of the renovated installation
// over 25 years, the payback time and the total saving —, below it the
// existing and the renovated installation side by side, with the deviation of
// their operating totals; beside each other the two blocks would not fit a
// small screen's width.
class frmerg_san : public Gesamtblatt {
    Q_OBJECT
public:
    explicit frmerg_san(Umgebung& umgebung);
};

} // namespace grobrechner
