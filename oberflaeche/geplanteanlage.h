#pragma once

#include "schaltungswahl.h"

#include <QList>
#include <QWidget>

class QVBoxLayout;

namespace grobrechner {

class Leuchtmittelwahl;
struct Kalkulationsdaten;
struct Lampenauswahl;

// The planned installation of an operating-cost input, the same on all three
// paths: the lamp from the catalogue (Frame4), the switching (Frame1), the
// night switch-off with its duration (Frame3) and the dimming (Frame2), one
// below the other. Every choice writes the record at once; what sets the
// screens apart comes from their lamp selection.
class GeplanteAnlage : public QWidget {
    Q_OBJECT
public:
    GeplanteAnlage(const Lampenauswahl& auswahl, Kalkulationsdaten& daten, QWidget* eltern);

    const Schaltungswahl& schaltung() const { return m_schaltung; }

    // Selects the record's lamp and switching, without writing the record.
    void zeigen(const Kalkulationsdaten& daten);

    // The controls in keyboard order.
    QList<QWidget*> eingabefolge() const;

private:
    QVBoxLayout* m_spalte;
    Leuchtmittelwahl* m_leuchtmittel;
    Schaltungswahl m_schaltung;
};

} // namespace grobrechner
