#pragma once

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


struct Bestandsergebnis;
struct Betriebskostenergebnis;
struct Kalkulationsdaten;
class Wertetabelle;

// What the operating-cost results show of an installation: the eight figure
// rows from the burning hours to the total over 25 years. The new-installation
// results show them once; the renovation result shows them for the existing
// and for the renovated installation side by side. Captions and units are the
// same everywhere; only the objectNames differ from screen to screen.
class Betriebszahlen {
public:
    enum Zeile {
        Betriebsstunden,
        Energiejahr,
        Energiekostenjahr,
        Energie25,
        Energiekosten25,
        Lampenersatz25,
        Wartung25,
        Gesamt,
    };
    static constexpr int anzahl = Gesamt + 1;

    // The objectNames of one column's labels, in the order of the rows.
    struct Namen {
        std::array<const char*, anzahl> beschriftung; // unused where the captions are shared
        std::array<const char*, anzahl> einheit;      // none: the row shows a text of the screen's own
        const char* endung = "";                      // appended to the value names ("b": existing installation)
        const char* gesamtbeschriftung = nullptr;     // another caption of the total row
    };

    Betriebszahlen(Wertetabelle& tabelle, const Namen& namen);

    void zeigen(const Betriebskostenergebnis& ergebnis) const;
    // The existing installation has no lamp replacement figure; that row keeps its text.
    void zeigen(const Bestandsergebnis& ergebnis) const;

    QLabel* wert(Zeile zeile) const { return m_werte.at(static_cast<std::size_t>(zeile)); }

private:
    std::array<QLabel*, anzahl> m_werte{};
};

// The value labels of a planned installation's entered values. A null label is
// a row the screen keeps empty.
struct Anlagenwerte {
    QLabel* lbleinschaltung;
    QLabel* lblleuchtmittel;
    QLabel* lblabschaltung;
    QLabel* lblabsenkung;
};

// Fills them from the record, in this order.
void anlagenwerteZeigen(const Anlagenwerte& labels, const Kalkulationsdaten& daten);

} // namespace grobrechner
