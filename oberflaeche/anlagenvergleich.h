#pragma once

#include "betriebszahlen.h"

#include <functional>
#include <optional>
#include <string>

class QGridLayout;
class QLabel;
class QWidget;

namespace grobrechner {

// The existing and the renovated installation side by side, as the renovation's
// operating-cost result and its overall sheet show them: a column heading for
// each, their entered values, one electricity price for both, their figures
// and, at the end of the total row, the deviation of the totals.
//
// Columns of the grid: caption, existing figure and unit, renovated figure and
// unit, deviation.
class Anlagenvergleich {
public:
    // What the two screens call their labels.
    struct Namen {
        const char* kopfBestand;
        const char* kopfSaniert;
        const char* eingabenUeberschrift; // none on the sheet
        const char* leuchtmittel;         // captions of the entered values
        const char* einschaltung;
        const char* abschaltung;
        const char* absenkung;
        const char* strompreis;
        const char* strompreiseinheit;
        const char* ergebnisUeberschrift; // none on the sheet
        Betriebszahlen::Namen bestand;    // carries the row captions
        Betriebszahlen::Namen saniert;
    };

    Anlagenvergleich(QWidget* eltern, const Namen& namen);

    QGridLayout* raster() const { return m_raster; }
    // The renovated installation's lamp type and wattage on one line.
    QLabel* leuchtmittel() const { return m_saniert.lblleuchtmittel; }

    using Setzen = std::function<void(QLabel* label, const std::string& text)>;
    void zeigen(const Betriebstexte& texte, const Setzen& setzen) const;

private:
    QGridLayout* m_raster = nullptr;
    Anlagenwerte m_bestand{};
    Anlagenwerte m_saniert{};
    QLabel* m_strompreis = nullptr;
    std::optional<Betriebszahlen> m_zahlenBestand;
    std::optional<Betriebszahlen> m_zahlenSaniert;
    QLabel* m_abweichung = nullptr;
};

} // namespace grobrechner
