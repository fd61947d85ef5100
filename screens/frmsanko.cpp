#include "frmsanko.h"

#include "kalkulationsdaten.h"
#include "leuchtenwahl.h"
#include "sanierungskosten.h"
#include "wertetabelle.h"
#include "zahlentext.h"

#include <QGridLayout>
#include <QLabel>

namespace grobrechner {

frmsanko::frmsanko(Umgebung& umgebung)
    : Pfadformular(QStringLiteral("frmsanko"), umgebung)
{
    Wertetabelle tabelle(rahmen().inhalt());
    tabelle.ueberschrift("Label1", QStringLiteral("Eingegebene Werte"));
    lblleuchtenart = tabelle.text("Label4", QStringLiteral("Art der Leuchte:"), "lblleuchtenart");
    lblmaste = tabelle.text("Label7", QStringLiteral("Weiterverwendung der Maste:"), "lblmaste");
    lblverteiler = tabelle.text("Label10", QStringLiteral("Verteilerneuerrichtung:"), "lblverteiler");
    lbllp = tabelle.zahl("Label11", QStringLiteral("Anzahl der zu sanierenden Lichtpunkte:"), "lbllp", "Label16",
                         QStringLiteral("Stk."));
    tabelle.abstand(16);
    tabelle.ueberschrift("Label3", QStringLiteral("Berechnungsergebnis"));
    lblsanko = tabelle.zahl("Label5", QStringLiteral("Sanierungskosten (Grobkosten):"), "lblsanko", "Label17",
                            QStringLiteral("€"), true);
    tabelle.raster()->setRowStretch(tabelle.zeilen(), 1);

    const Kalkulationsdaten& d = daten();
    lblleuchtenart->setText(leuchtenartText(d.leuchtenart));
    lbllp->setText(QString::fromStdString(zahltext(d.anzahllp)));
    lblverteiler->setText(QString::fromStdString(d.verteiler));
    lblmaste->setText(QString::fromStdString(d.mast));
    lblsanko->setText(QString::fromStdString(formatGanzzahl(sanierungskostenBerechnen(d).summe)));
}

} // namespace grobrechner
