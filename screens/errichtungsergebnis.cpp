#include "errichtungsergebnis.h"

#include "bildschirmtexte.h"
#include "wertetabelle.h"

#include <QGridLayout>
#include <QLabel>

#include <iterator>
#include <string>

namespace grobrechner {

namespace {

struct Zeilenbild {
    Wertetabelle::Zeile zeile;
    std::string Errichtungstexte::*text;
};

using T = Errichtungstexte;

// In the order of Errichtungsergebnis::Zeile.
const Zeilenbild zeilenbilder[] = {
    {{"Label4", "Art der Leuchte:", "lblleuchtenart"}, &T::leuchtenart},
    {{"Label7", "Sträßenlänge:", "lblstraßenlänge", "Label16", "m"}, &T::strassenlaenge},
    {{"Label8", "Lichtpunkthöhe:", "lbllichtpunkthöhe", "Label15", "m"}, &T::lichtpunkthoehe},
    {{"Label9", "Lichtpunktabstand:", "lbllichtpunktabstand", "Label14", "m"}, &T::lichtpunktabstand},
    {{"Label10", "Verteilerneuerrichtung:", "lblverteiler"}, &T::verteiler},
    {{"Label11", "Grabungslänge im Asphalt:", "lblgrabungslänge", "Label12", "m"}, &T::grabungslaenge},
    {{"Label9", "Lichtpunktabstand:", "lbllpa", "Label14", "m"}, &T::lichtpunktabstand},
    {{"Label5", "Anzahl der LP (aufgerundet):", "lblanzahllp", "Label17", "Stk."}, &T::anzahllp},
    {{"Label6", "Errichtungskosten (Grobkosten):", "lblerrko", "Label13", "€", true}, &T::errko},
};
static_assert(std::size(zeilenbilder) == static_cast<std::size_t>(Errichtungsergebnis::Zeile::Kosten) + 1);

} // namespace

Errichtungsergebnis::Errichtungsergebnis(const Pfadbildschirm& bildschirm, Umgebung& umgebung, const Art& art)
    : Pfadformular(bildschirm, umgebung)
{
    const Errichtungstexte texte = errichtungstexte(zustand());
    Wertetabelle tabelle(rahmen().inhalt());
    const auto zeigen = [&](Zeile z) {
        const Zeilenbild& b = zeilenbilder[static_cast<int>(z)];
        tabelle.zeile(b.zeile)->setText(QString::fromStdString(texte.*b.text));
    };
    tabelle.ueberschrift("Label1", QStringLiteral("Eingegebene Werte"));
    for (Zeile z : art.eingegeben)
        zeigen(z);
    tabelle.abstand(16);
    tabelle.ueberschrift("Label3", QStringLiteral("Berechnungsergebnis"));
    for (Zeile z : art.ergebnis)
        zeigen(z);
    tabelle.raster()->setRowStretch(tabelle.zeilen(), 1);
}

} // namespace grobrechner
