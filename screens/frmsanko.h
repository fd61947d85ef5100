#pragma once

#include "pfadformular.h"

class QLabel;

namespace grobrechner {

// The renovation costs: the entered values and the rough total, computed once
// when the screen opens. Coming back to it shows the same figures; a new input
// opens it afresh.
class frmsanko : public Pfadformular {
    Q_OBJECT
public:
    explicit frmsanko(Umgebung& umgebung);

private:
    QLabel* lblleuchtenart;
    QLabel* lblmaste;
    QLabel* lblverteiler;
    QLabel* lbllp;
    QLabel* lblsanko;
};

} // namespace grobrechner
