#include "errichtungsergebnis.h"

#include "errichtungskosten.h"
#include "kalkulationsdaten.h"
#include "leuchtenwahl.h"
#include "wertetabelle.h"
#include "zahlentext.h"

#include <QGridLayout>
#include <QLabel>

#include <iterator>
#include <string>

namespace grobrechner {

namespace {

// What the rows of the sheet read. The figures that need the costs stay empty
// when there are none: the record held a height without a spacing, which the
// input screen does not let through.
struct Blatt {
    const Kalkulationsdaten& daten;
    std::optional<float> abstand;
    std::optional<Errichtungskosten> kosten;
};

struct Zeilenbild {
    Wertetabelle::Zeile zeile;
    QString (*wert)(const Blatt& blatt);
};

QString text(const std::string& s) { return QString::fromStdString(s); }

// In the order of Errichtungsergebnis::Zeile.
const Zeilenbild zeilenbilder[] = {
    {{"Label4", "Art der Leuchte:", "lblleuchtenart", nullptr, nullptr, false},
     [](const Blatt& b) { return leuchtenartText(b.daten.leuchtenart); }},
    {{"Label7", "Sträßenlänge:", "lblstraßenlänge", "Label16", "m", false},
     [](const Blatt& b) { return text(formatGanzzahl(b.daten.strlaenge)); }},
    {{"Label8", "Lichtpunkthöhe:", "lbllichtpunkthöhe", "Label15", "m", false},
     [](const Blatt& b) { return text(formatGanzzahl(b.daten.lphoehe)); }},
    {{"Label8", "Lichtpunkthöhe:", "lbllichtpunkthöhe", "Label15", "m", false},
     [](const Blatt& b) { return text(zahltext(b.daten.lphoehe)); }},
    {{"Label9", "Lichtpunktabstand:", "lbllichtpunktabstand", "Label14", "m", false},
     // A fractional spacing shows as typed ("0,5"), not rounded to "1"; whole
     // spacings read the same either way.
     [](const Blatt& b) { return text(zahltext(b.daten.lpabstand)); }},
    {{"Label10", "Verteilerneuerrichtung:", "lblverteiler", nullptr, nullptr, false},
     [](const Blatt& b) { return text(b.daten.verteiler); }},
    {{"Label11", "Grabungslänge im Asphalt:", "lblgrabungslänge", "Label12", "m", false},
     [](const Blatt& b) { return text(formatGanzzahl(b.daten.grabungsl)); }},
    {{"Label9", "Lichtpunktabstand:", "lbllpa", "Label14", "m", false},
     [](const Blatt& b) { return b.abstand ? text(zahltext(*b.abstand)) : QString(); }},
    {{"Label5", "Anzahl der LP (aufgerundet):", "lblanzahllp", "Label17", "Stk.", false},
     [](const Blatt& b) { return b.kosten ? text(formatGanzzahl(b.kosten->anzahl)) : QString(); }},
    {{"Label6", "Errichtungskosten (Grobkosten):", "lblerrko", "Label13", "€", true},
     [](const Blatt& b) { return b.kosten ? text(formatGanzzahl(b.kosten->summe)) : QString(); }},
};
static_assert(std::size(zeilenbilder) == static_cast<std::size_t>(Errichtungsergebnis::Zeile::Kosten) + 1);

void zeigen(Wertetabelle& tabelle, Errichtungsergebnis::Zeile zeile, const Blatt& blatt)
{
    const Zeilenbild& z = zeilenbilder[static_cast<int>(zeile)];
    tabelle.zeile(z.zeile)->setText(z.wert(blatt));
}

} // namespace

Errichtungsergebnis::Errichtungsergebnis(const QString& name, Umgebung& umgebung, const Art& art)
    : Pfadformular(name, umgebung)
{
    Kalkulationsdaten& d = daten();
    Blatt blatt{d, art.abstand(d), std::nullopt};
    if (blatt.abstand) {
        blatt.kosten = errichtungskostenBerechnen(d, *blatt.abstand);
        d.anzahllp = static_cast<float>(blatt.kosten->anzahl);
    }

    Wertetabelle tabelle(rahmen().inhalt());
    tabelle.ueberschrift("Label1", QStringLiteral("Eingegebene Werte"));
    for (Zeile z : art.eingegeben)
        zeigen(tabelle, z, blatt);
    tabelle.abstand(16);
    tabelle.ueberschrift("Label3", QStringLiteral("Berechnungsergebnis"));
    for (Zeile z : art.ergebnis)
        zeigen(tabelle, z, blatt);
    tabelle.raster()->setRowStretch(tabelle.zeilen(), 1);
}

} // namespace grobrechner
