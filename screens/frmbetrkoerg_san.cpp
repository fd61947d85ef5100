#include "frmbetrkoerg_san.h"

#include "pfadbildschirme.h"

#include <QGridLayout>

namespace grobrechner {

frmbetrkoerg_san::frmbetrkoerg_san(Umgebung& umgebung)
    : Ergebnisseite(pfadbildschirm(Pfad::Sanierung, Schritt::Betrieb), umgebung)
{
    raster()->setColumnStretch(7, 1);
}

} // namespace grobrechner
