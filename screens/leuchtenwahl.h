#pragma once

#include "optionspaar.h"

class QLabel;

namespace grobrechner {

class Bild;
class Formular;
class KlickLabel;

// The luminaire style of the input screens: "technische Leuchte" or
// "dekorative Leuchte" (writing "techn" or "deko"), each with a "Beispiel"
// label beside it that shows or hides an example picture.
class Leuchtenwahl : public Optionspaar {
    Q_OBJECT
public:
    Leuchtenwahl(const QString& titel, std::string& leuchtenart, Formular& formular, QWidget* eltern);

    KlickLabel* beispielTechn() const { return m_beispielTechn; }
    KlickLabel* beispielDeko() const { return m_beispielDeko; }
    Bild* bildTechn() const { return m_bildTechn; }
    Bild* bildDeko() const { return m_bildDeko; }

private:
    KlickLabel* m_beispielTechn;
    KlickLabel* m_beispielDeko;
    Bild* m_bildTechn;
    Bild* m_bildDeko;
};

// The caption of a style as the result screens echo it: "dekorative Leuchte"
// for "deko", the technical luminaire for anything else.
QString leuchtenartText(const std::string& leuchtenart);

} // namespace grobrechner
