#include "frmbetrkoerg_san.h"

#include "pfadbildschirme.h"

#include "anlagenvergleich.h"

#include <QGridLayout>
#include <QLabel>

namespace grobrechner {

namespace {

const Anlagenvergleich::Namen namen{
    "Label9", "Label8", "Label1", "Label3", "Label4", "Label5", "Label6", "Label7", "Label10", "Label17",
    // The existing installation carries the row captions; its maintenance
    // already contains the lamp replacement, so that row shows a note instead
    // of a figure.
    {{"Label22", "Label21", "Label20", "Label19", "Label18", "Label16", "Label13", "Label12", "Labelco2jahr",
      "Labelco225"},
     {"Label15", "Label23", "Label24", "Label25", "Label26", nullptr, "Label35", "Label36", "Labelco2jahreinheitb",
      "Labelco225einheitb"},
     "b"},
    {{},
     {"Label30", "Label31", "Label32", "Label33", "Label34", "Label27", "Label28", "Label29", "Labelco2jahreinheit",
      "Labelco225einheit"}},
};

} // namespace

frmbetrkoerg_san::frmbetrkoerg_san(Umgebung& umgebung)
    : Pfadformular(pfadbildschirm(Pfad::Sanierung, Schritt::Betrieb), umgebung)
{
    const Anlagenvergleich vergleich(rahmen().inhalt(), namen);
    QGridLayout* raster = vergleich.raster();
    raster->setColumnStretch(7, 1);
    raster->setRowStretch(raster->rowCount(), 1);
    vergleich.leuchtmittel()->setWordWrap(false); // lamp type and wattage on one line
    vergleich.zeigen(betriebstexte(zustand()),
                     [](QLabel* l, const std::string& text) { l->setText(QString::fromStdString(text)); });
}

} // namespace grobrechner
