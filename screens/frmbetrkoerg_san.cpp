#include "frmbetrkoerg_san.h"

#include "bestandsrechnung.h"
#include "betriebskosten.h"
#include "betriebszahlen.h"
#include "ergebnisblatt.h"
#include "kalkulationsdaten.h"
#include "wertetabelle.h"

#include <QGridLayout>
#include <QLabel>

namespace grobrechner {

namespace {

using Spalten = Wertetabelle::Beschriftung;

// The existing installation carries the row captions; its maintenance already
// contains the lamp replacement, so that row shows a note instead of a figure.
const Betriebszahlen::Namen bestandsnamen{
    {"Label22", "Label21", "Label20", "Label19", "Label18", "Label16", "Label13", "Label12"},
    {"Label15", "Label23", "Label24", "Label25", "Label26", nullptr, "Label35", "Label36"},
    "b",
};

const Betriebszahlen::Namen sanierungsnamen{
    {},
    {"Label30", "Label31", "Label32", "Label33", "Label34", "Label27", "Label28", "Label29"},
};

const QString lampenersatzImBestand = QStringLiteral(
    "Anteilige Lampenersatzkosten\nsind in den Wartungs- und\nInstandhaltungskosten enthalten");

QString text(const std::string& s) { return QString::fromStdString(s); }

} // namespace

frmbetrkoerg_san::frmbetrkoerg_san(Umgebung& umgebung)
    : Pfadformular(QStringLiteral("frmbetrkoerg_san"), umgebung)
{
    // Columns: caption, existing figure and unit, renovated figure and unit, deviation.
    Wertetabelle bestand(rahmen().inhalt());
    Wertetabelle saniert(bestand.raster(), 3, Spalten::geteilt);
    Wertetabelle abweichung(bestand.raster(), 5, Spalten::geteilt);
    QGridLayout* raster = bestand.raster();
    // Spare width goes to the right of the sheet, not into the renovated column.
    raster->setColumnStretch(3, 0);
    raster->setColumnStretch(7, 1);

    bestand.spaltenkopf("Label9", QStringLiteral("Bestand der Straßenbeleuchtung"));
    saniert.spaltenkopf("Label8", QStringLiteral("Straßenbeleuchtung nach Sanierung"));
    bestand.ueberschrift("Label1", QStringLiteral("Eingegebene Werte"));
    saniert.zeileSetzen(bestand.zeilen());

    const QList<QLabel*> lampeb =
        bestand.texte("Label3", QString::fromUtf8(anlagenbeschriftung::leuchtmittel), {"lblleuchtmittelb", "lblwattageb"});
    QLabel* lblleuchtmittel = saniert.text(nullptr, {}, "lblleuchtmittel");
    lblleuchtmittel->setWordWrap(false); // lamp type and wattage on one line
    QLabel* lbleinschaltungb = bestand.text("Label4", QString::fromUtf8(anlagenbeschriftung::einschaltung), "lbleinschaltungb");
    QLabel* lbleinschaltung = saniert.text(nullptr, {}, "lbleinschaltung");
    QLabel* lblabschaltungb = bestand.text("Label5", QString::fromUtf8(anlagenbeschriftung::abschaltung), "lblabschaltungb");
    QLabel* lblabschaltung = saniert.text(nullptr, {}, "lblabschaltung");
    QLabel* lblabsenkungb = bestand.text("Label6", QString::fromUtf8(anlagenbeschriftung::absenkung), "lblabsenkungb");
    QLabel* lblabsenkung = saniert.text(nullptr, {}, "lblabsenkung");
    // One price for both installations.
    QLabel* lblstrompreis = bestand.zahl("Label7", QString::fromUtf8(anlagenbeschriftung::strompreis), "lblstrompreis",
                                         "Label10", QString::fromUtf8(anlagenbeschriftung::strompreiseinheit));

    bestand.abstand(16);
    bestand.ueberschrift("Label17", QStringLiteral("Berechnungsergebnis"));
    const int ersteZahl = bestand.zeilen();
    const Betriebszahlen zahlenb(bestand, bestandsnamen);
    zahlenb.wert(Betriebszahlen::Lampenersatz25)->setText(lampenersatzImBestand);
    saniert.zeileSetzen(ersteZahl);
    const Betriebszahlen zahlen(saniert, sanierungsnamen);
    // "Abweichung" stands right above the deviation, at the end of the total row.
    abweichung.zeileSetzen(ersteZahl + Betriebszahlen::Gesamt - 1);
    abweichung.spaltenkopf("Label37", QStringLiteral("Abweichung"));
    QLabel* lbl7 = abweichung.zahl(nullptr, {}, "lbl7", nullptr, {}, true);
    raster->setRowStretch(bestand.zeilen(), 1);

    const Kalkulationsdaten& d = daten();
    lbleinschaltungb->setText(text(einschaltungstext(d.einschaltungb)));
    lampeb[0]->setText(text(bestandsleuchtmitteltext(d)));
    lampeb[1]->setText(text(bestandswattagetext(d)));
    lblabschaltungb->setText(text(d.abschaltungb));
    lblabsenkungb->setText(text(d.absenkungb));
    lblstrompreis->setText(text(strompreistext(d)));

    anlagenwerteZeigen({lbleinschaltung, lblleuchtmittel, lblabschaltung, lblabsenkung}, d);

    zahlen.zeigen(Betriebskostenrechnung(d));
    zahlenb.zeigen(Bestandsrechnung(d));
    // From the totals as shown, so the percentage matches what a reader works out.
    lbl7->setText(text(abweichungstext(zahlenb.wert(Betriebszahlen::Gesamt)->text().toStdString(),
                                       zahlen.wert(Betriebszahlen::Gesamt)->text().toStdString())));
}

} // namespace grobrechner
