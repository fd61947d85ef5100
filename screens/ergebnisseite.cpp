#include "ergebnisseite.h"

#include "blattinhalt.h"
#include "wertetabelle.h"

#include <QGridLayout>

namespace grobrechner {

Ergebnisseite::Ergebnisseite(const Pfadbildschirm& bildschirm, Umgebung& umgebung)
    : Pfadformular(bildschirm, umgebung)
{
    const Wertetabelle tabelle(rahmen().inhalt(), blattinhalt(zustand(), bildschirm.schritt).tabellen.front());
    m_raster = tabelle.raster();
    m_raster->setRowStretch(tabelle.zeilen(), 1);
}

} // namespace grobrechner
