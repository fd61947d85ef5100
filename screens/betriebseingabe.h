#pragma once

#include "eingabe.h"
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
    // `preisgrenze`: whether a price of 0 passes.
    Betriebseingabe(const QString& name, Umgebung& umgebung, Untergrenze preisgrenze);

protected:
    void vorwaerts() override;

    // The checks in their order: the price, then the planned switch-off
    // duration. False at the first failure, which has been reported; what
    // passed before stays stored.
    virtual bool eingabenUebernehmen();

    // Row 0 column headings, row 1 the installations (the planned one in
    // column 1), row 2 the price below them.
    QGridLayout* raster() const { return m_raster; }

    // Keyboard order: `vorn`, then the planned installation, the price and the
    // calculate button.
    void tastaturfolge(const QList<QWidget*>& vorn);

private:
    Untergrenze m_preisgrenze;
    QGridLayout* m_raster;
    GeplanteAnlage* m_anlage;
    QLineEdit* txtstromko;
};

} // namespace grobrechner
