#pragma once

#include <QGroupBox>

namespace grobrechner {

class Formular;
struct Bestandslampe;
struct Kalkulationsdaten;
struct Lampe;
struct Lampenauswahl;

// "Auswahl des Leuchtmittels nach Wattage:" (Frame4): one option per row of the
// lamp catalogue, generated from it, under the headings of their lamp families
// in two columns. A click makes the row the planned lamp of the record. The
// screen's selection decides the default row, the rows shown disabled and the
// compact fluorescent heading.
class Leuchtmittelwahl : public QGroupBox {
    Q_OBJECT
public:
    Leuchtmittelwahl(const Lampenauswahl& auswahl, Kalkulationsdaten& daten, QWidget* eltern);

    // Selects the lamp's option, without writing the record.
    void zeigen(const Lampe& lampe);
};

// "Verwendetes Leuchtmittel:" (Frame8): the lamp types of an existing
// installation; a click makes the type the existing one of the record.
class Bestandsleuchtmittelwahl : public QGroupBox {
    Q_OBJECT
public:
    Bestandsleuchtmittelwahl(Kalkulationsdaten& daten, QWidget* eltern);

    void zeigen(const Bestandslampe& lampe);
};

// Lamp types that may no longer be sold in the EU say so in the status bar when
// the mouse is over their option in `wahl`.
void auslaufhinweiseSetzen(Formular& formular, const QWidget& wahl);

} // namespace grobrechner
