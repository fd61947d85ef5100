#pragma once

#include "pfadformular.h"

namespace grobrechner {

// "Betriebskosten der zu sanierenden Gemeindestraße": the existing installation
// and the renovated one side by side, with the deviation of the renovated total
// from the existing one. Computed once when the screen is created; the
// renovation sheet copies the texts shown here.
class frmbetrkoerg_san : public Pfadformular {
    Q_OBJECT
public:
    explicit frmbetrkoerg_san(Umgebung& umgebung);
};

} // namespace grobrechner
