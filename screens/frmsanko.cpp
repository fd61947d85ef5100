#include "frmsanko.h"

#include "pfadbildschirme.h"

#include "bildschirmtexte.h"
#include "wertetabelle.h"

#include <QGridLayout>
#include <QLabel>

namespace grobrechner {

namespace {

using T = Sanierungstexte;

const struct {
    Wertetabelle::Zeile zeile;
    std::string Sanierungstexte::*text;
} eingegeben[] = {
    {{"Label4", "Art der Leuchte:", "lblleuchtenart"}, &T::leuchtenart},
    {{"Label7", "Weiterverwendung der Maste:", "lblmaste"}, &T::maste},
    {{"Label10", "Verteilerneuerrichtung:", "lblverteiler"}, &T::verteiler},
    {{"Label11", "Anzahl der zu sanierenden Lichtpunkte:", "lbllp", "Label16", "Stk."}, &T::lp},
};

const Wertetabelle::Zeile kosten{"Label5", "Sanierungskosten (Grobkosten):", "lblsanko", "Label17", "€", true};

} // namespace

frmsanko::frmsanko(Umgebung& umgebung)
    : Pfadformular(pfadbildschirm(Pfad::Sanierung, Schritt::Kosten), umgebung)
{
    const Sanierungstexte texte = sanierungstexte(zustand());
    Wertetabelle tabelle(rahmen().inhalt());
    tabelle.ueberschrift("Label1", QStringLiteral("Eingegebene Werte"));
    for (const auto& z : eingegeben)
        tabelle.zeile(z.zeile)->setText(QString::fromStdString(texte.*z.text));
    tabelle.abstand(16);
    tabelle.ueberschrift("Label3", QStringLiteral("Berechnungsergebnis"));
    tabelle.zeile(kosten)->setText(QString::fromStdString(texte.sanko));
    tabelle.raster()->setRowStretch(tabelle.zeilen(), 1);
}

} // namespace grobrechner
