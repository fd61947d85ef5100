#pragma once

#include "kalkulationsdaten.h"
#include "optionspaar.h"

namespace grobrechner {

class Bild;
class Formular;
class KlickLabel;

// The luminaire style of the input screens: "technische Leuchte" or
// "dekorative Leuchte", each with a "Beispiel" label beside it that shows or
// hides an example picture.
class Leuchtenwahl : public Optionspaar {
    Q_OBJECT
public:
    Leuchtenwahl(const QString& titel, Leuchtenart& leuchtenart, Formular& formular, QWidget* eltern);

private:
    KlickLabel* m_beispielTechn;
    KlickLabel* m_beispielDeko;
    Bild* m_bildTechn;
    Bild* m_bildDeko;
};

} // namespace grobrechner
