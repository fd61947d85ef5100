#pragma once

#include "bildschirmtexte.h"

#include <QString>

#include <array>

class QLabel;

namespace grobrechner {

// The captions of an installation's entered operating values, the same on
// every result screen and sheet.
namespace anlagenbeschriftung {
inline constexpr const char* leuchtmittel = "Art des Leuchtmittels:";
inline constexpr const char* einschaltung = "Ein-/Ausschaltung der Anlage:";
inline constexpr const char* abschaltung = "Anlage wird nachts abgeschalten:";
inline constexpr const char* absenkung = "Anlage wird nachts abgesenkt:";
inline constexpr const char* strompreis = "Durchschnittlicher Strompreis:";
inline constexpr const char* strompreiseinheit = "Cent/kWh";
} // namespace anlagenbeschriftung

class Wertetabelle;

// What the operating-cost results show of an installation: the eight figure
// rows from the burning hours to the total over 25 years, and below them the
// CO₂ of its energy per year and over 25 years. The new-installation
// results show them once; the renovation result shows them for the existing
// and for the renovated installation side by side. Captions and units are the
// same everywhere; only the objectNames differ from screen to screen.
class Betriebszahlen {
public:
    // The objectNames of one column's labels, in the order of the rows.
    struct Namen {
        std::array<const char*, betriebszeilen> beschriftung; // unused where the captions are shared
        std::array<const char*, betriebszeilen> einheit;      // none: the row shows a text, not a figure
        const char* endung = "";                  // appended to the value names ("b": existing installation)
        const char* gesamtbeschriftung = nullptr; // another caption of the total row
    };

    Betriebszahlen(Wertetabelle& tabelle, const Namen& namen);

    void zeigen(const std::array<std::string, betriebszeilen>& texte) const;
    QLabel* wert(Betriebszeile zeile) const { return m_werte.at(static_cast<std::size_t>(zeile)); }

private:
    std::array<QLabel*, betriebszeilen> m_werte{};
};

// The value labels of an installation's entered values. A null label is a row
// the screen does not have.
struct Anlagenwerte {
    QLabel* lbleinschaltung;
    QLabel* lblleuchtmittel;
    QLabel* lblabschaltung;
    QLabel* lblabsenkung;
    QLabel* lblwattage = nullptr; // the existing installation's wattage
};

void anlagenwerteZeigen(const Anlagenwerte& labels, const Anlagentexte& texte);

} // namespace grobrechner
