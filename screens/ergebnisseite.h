#pragma once

#include "pfadformular.h"

class QGridLayout;

namespace grobrechner {

// A result screen of step 2 or 4: the table the core worked out for its step,
// as the path computed it when the screen opened. The figures stay as they are
// while the screen lives; going back to the input closes it, so calculating
// again creates it afresh.
class Ergebnisseite : public Pfadformular {
    Q_OBJECT
protected:
    Ergebnisseite(const Pfadbildschirm& bildschirm, Umgebung& umgebung);

    QGridLayout* raster() const { return m_raster; }

private:
    QGridLayout* m_raster;
};

} // namespace grobrechner
