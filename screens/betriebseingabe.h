#pragma once

#include "pfadformular.h"

#include <QList>

class QGridLayout;
class QLineEdit;

namespace grobrechner {

class GeplanteAnlage;

// The operating-cost input of a path: the planned installation and the average
// electricity price (Label9, txtstromko, Label8). The choices write the record
// as they are clicked; "Betriebskosten berechnen" checks the typed fields in
// their order, stores each one as soon as it has passed, and moves on to the
// operating costs. The screen computes nothing itself.
class Betriebseingabe : public Pfadformular {
    Q_OBJECT
public:
    Betriebseingabe(const Pfadbildschirm& bildschirm, Umgebung& umgebung);

    void datenZeigen() override;

protected:
    // The checks in their order: the price (whether 0 passes depends on the
    // path), then the planned switch-off duration.
    bool eingabenUebernehmen() override;

    // Row 0 column headings, row 1 the installations (the planned one in
    // column 1), row 2 the price below them.
    QGridLayout* raster() const { return m_raster; }

    // Keyboard order: `vorn`, then the planned installation, the price, the
    // calculate button and the other buttons.
    void tastaturfolge(const QList<QWidget*>& vorn);

private:
    QGridLayout* m_raster;
    GeplanteAnlage* m_anlage;
    QLineEdit* txtstromko;
};

} // namespace grobrechner
