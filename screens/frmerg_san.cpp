#include "frmerg_san.h"

#include "pfadbildschirme.h"

#include <QGridLayout>

namespace grobrechner {

frmerg_san::frmerg_san(Umgebung& umgebung)
    : Gesamtblatt(pfadbildschirm(Pfad::Sanierung, Schritt::Ergebnisblatt), umgebung, Anordnung::untereinander)
{
    // A gap between the existing installation's units and the renovated figures.
    QGridLayout* raster = rechtesRaster();
    raster->setColumnMinimumWidth(2, raster->horizontalSpacing() * 2);
}

} // namespace grobrechner
