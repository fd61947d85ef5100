#include "frmerg_san.h"

#include "betriebszahlen.h"
#include "ergebnisblatt.h"
#include "wertetabelle.h"

#include <QGridLayout>
#include <QLabel>

namespace grobrechner {

namespace {

namespace a = anlagenbeschriftung;
using Spalten = Wertetabelle::Beschriftung;

const Blattzeile sanierung[] = {
    {"Label3", "Art der Leuchte:", "lblleuchtenart"},
    {"Label12", "Anzahl der zu sanierenden Lichtpunkte:", "lbllp", "Label13", "Stk."},
    {"Label9", "Verteilerneuerrichtung:", "lblverteiler"},
    {"Label8", "Weiterverwendung der Maste:", "lblmaste"},
};

const Blattzeile ergebnis[] = {
    {"Label1", "Sanierungskosten (Grobkosten):", "lblsanko", "Label20", "€"},
    // Two blanks before the parenthesis.
    {"Label49", "Gesamtkosten der zu sanierenden Anlage über 25 Jahre  (Grobkosten)", "lblges", "Label47", "€",
     true},
    {"Label14", "Amortisation", "lblamo", "Label43", "Jahre"},
    {"Label48", "Gesamtersparnis über 25 Jahre", "lblgesersp", "Label51", "€"},
};

// The existing installation carries the row captions.
const Betriebszahlen::Namen bestandsnamen{
    {"Label22", "Label38", "Label39", "Label40", "Label42", "Label44", "Label45", "Label46"},
    {"Label21", "Label23", "Label24", "Label25", "Label26", nullptr, "Label35", "Label36"},
    "b",
};

const Betriebszahlen::Namen sanierungsnamen{
    {},
    {"Label30", "Label31", "Label32", "Label33", "Label34", "Label27", "Label28", "Label29"},
};

} // namespace

frmerg_san::frmerg_san(Umgebung& umgebung)
    : Gesamtblatt(QStringLiteral("frmerg_san"), umgebung)
{
    Wertetabelle werte(links());
    werte.ueberschrift("Label16", QStringLiteral("Eingegebene Werte"));
    for (const Blattzeile& z : sanierung)
        werte.zeile(z);
    werte.abstand(16);
    werte.ueberschrift("Label17", QStringLiteral("Berechnungsergebnis"));
    for (const Blattzeile& z : ergebnis)
        werte.zeile(z);

    // Columns: caption, existing figure and unit, renovated figure and unit, deviation.
    Wertetabelle bestand(rechts());
    Wertetabelle saniert(bestand.raster(), 3, Spalten::geteilt);
    Wertetabelle abweichung(bestand.raster(), 5, Spalten::geteilt);
    QGridLayout* raster = bestand.raster();
    raster->setColumnStretch(3, 0);
    raster->setColumnMinimumWidth(2, raster->horizontalSpacing() * 2);

    bestand.spaltenkopf("Label18", QStringLiteral("Bestand der Straßenbeleuchtung"));
    saniert.spaltenkopf("Label19", QStringLiteral("Straßenbeleuchtung nach Sanierung"));
    saniert.zeileSetzen(bestand.zeilen());
    bestand.texte("Label15", QString::fromUtf8(a::leuchtmittel), {"lblleuchtmittelb", "lblwattageb"});
    saniert.text(nullptr, {}, "lblleuchtmittel");
    bestand.text("Label4", QString::fromUtf8(a::einschaltung), "lbleinschaltungb");
    saniert.text(nullptr, {}, "lbleinschaltung");
    bestand.text("Label5", QString::fromUtf8(a::abschaltung), "lblabschaltungb");
    saniert.text(nullptr, {}, "lblabschaltung");
    bestand.text("Label6", QString::fromUtf8(a::absenkung), "lblabsenkungb");
    saniert.text(nullptr, {}, "lblabsenkung");
    // One price for both installations.
    bestand.zahl("Label7", QString::fromUtf8(a::strompreis), "lblstrompreis", "Label10",
                 QString::fromUtf8(a::strompreiseinheit));

    bestand.abstand(16);
    const int ersteZahl = bestand.zeilen();
    const Betriebszahlen zahlenb(bestand, bestandsnamen);
    saniert.zeileSetzen(ersteZahl);
    const Betriebszahlen zahlen(saniert, sanierungsnamen);
    // "Abweichung" stands right above the deviation, at the end of the total row.
    abweichung.zeileSetzen(ersteZahl + Betriebszahlen::Gesamt - 1);
    abweichung.spaltenkopf("Label37", QStringLiteral("Abweichung"));
    abweichung.zahl(nullptr, {}, "lbl7", nullptr, {}, true);

    uebernehmen(2, {"lblleuchtenart", "lbllp", "lblverteiler", "lblmaste", "lblsanko"});
    uebernehmen(4, {"lblleuchtmittelb", "lblwattageb", "lbleinschaltungb", "lblabschaltungb", "lblabsenkungb",
                    "lblstrompreis", "lblleuchtmittel", "lbleinschaltung", "lblabschaltung", "lblabsenkung"});
    for (const Betriebszahlen* spalte : {&zahlenb, &zahlen})
        for (int z = 0; z < Betriebszahlen::anzahl; ++z)
            uebernehmen(4, spalte->wert(static_cast<Betriebszahlen::Zeile>(z)));
    uebernehmen(4, {"lbl7"});

    const Sanierungsblatt blatt =
        sanierungsblatt(angezeigt("lblsanko"), angezeigt("lblbetrkogesb"), angezeigt("lblbetrkoges"));
    zeigen("lblges", blatt.ges);
    zeigen("lblamo", blatt.amo);
    zeigen("lblgesersp", blatt.gesersp);
    layoutAbschliessen();
}

} // namespace grobrechner
