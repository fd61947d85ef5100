// The overall result sheets: every text as the two result screens before
// them show it, the sheets' own figures from the displayed texts, the rows the
// roads differ in, and what going back and forward does to them.
#include "berechnung.h"
#include "testhilfen.h"

#include "texte.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QtTest>

#include <limits>

using namespace grobrechner;
using namespace grobrechner::test;

namespace {

// A sheet's label and the label of a result screen that shows the same text.
struct Quelle {
    QByteArray blatt;
    int schritt;
    QByteArray quelle;
};

const char* const betriebstexte[] = {
    "lblleuchtmittel", "lbleinschaltung", "lblabschaltung", "lblabsenkung", "lblstrompreis", "lbldatenbasis",
};
const char* const betriebszahlen[] = {
    "lblbetrstdjahr", "lblenergiejahr",   "lblenergiekojahr", "lblenergie25",
    "lblenergieko25", "lbllampenersko25", "lblwartinstko25",  "lblbetrkoges",
    "lblco2jahr",     "lblco225",
};

QList<Quelle> quellen(Pfad pfad)
{
    QList<Quelle> q;
    if (pfad == Pfad::Sanierung) {
        for (const char* n : {"lblleuchtenart", "lbllp", "lblverteiler", "lblmaste", "lblsanko"})
            q.append({n, 2, n});
        for (const char* n : {"lblleuchtmittelb", "lblwattageb", "lbleinschaltungb", "lblabschaltungb",
                              "lblabsenkungb", "lbl7"})
            q.append({n, 4, n});
        for (const char* n : betriebstexte)
            q.append({n, 4, n});
        for (const char* n : betriebszahlen) {
            q.append({QByteArray(n) + "b", 4, QByteArray(n) + "b"});
            q.append({n, 4, n});
        }
        return q;
    }
    for (const char* n : {"lblleuchtenart", "lblstraßenlänge", "lbllichtpunkthöhe", "lblverteiler",
                          "lblgrabungslänge", "lblanzahllp", "lblerrko"})
        q.append({n, 2, n});
    // The state road works its spacing out; the municipal road shows the one entered.
    q.append({"lbllichtpunktabstand", 2, pfad == Pfad::Landesstrasse ? "lbllpa" : "lbllichtpunktabstand"});
    for (const char* n : betriebstexte)
        q.append({n, 4, n});
    for (const char* n : betriebszahlen)
        q.append({n, 4, n});
    return q;
}

QString text(QWidget* s, const char* name)
{
    auto* l = finde<QLabel>(s, name);
    return l ? l->text() : QStringLiteral("<%1 fehlt>").arg(QString::fromUtf8(name));
}

// The figures of a sheet as a reader adds them up, independent of the
// program's own number texts.
qint64 ganzzahl(const QString& text)
{
    QString ziffern = text;
    ziffern.remove(QLatin1Char('.'));
    bool ok = false;
    const qint64 wert = ziffern.toLongLong(&ok);
    return ok ? wert : std::numeric_limits<qint64>::min();
}
QString gruppiert(qint64 wert) { return QLocale(QLocale::German).toString(wert); }

// Every label text of a screen, by name.
QMap<QString, QString> alleTexte(QWidget* s)
{
    QMap<QString, QString> texte;
    for (QLabel* l : s->findChildren<QLabel*>())
        if (!l->objectName().isEmpty() && l->objectName() != QStringLiteral("lbluhr"))
            texte.insert(l->objectName(), l->text());
    return texte;
}

// Row and column of a label in its block's grid.
QPoint platz(QLabel* l)
{
    auto* raster = l ? qobject_cast<QGridLayout*>(l->parentWidget()->layout()) : nullptr;
    if (!raster || raster->indexOf(l) < 0)
        return {-1, -1};
    int zeile, spalte, hoehe, breite;
    raster->getItemPosition(raster->indexOf(l), &zeile, &spalte, &hoehe, &breite);
    return {spalte, zeile};
}

// The texts in the row of a value label: caption and unit.
QStringList zeile(QWidget* s, const char* wert)
{
    auto* l = finde<QLabel>(s, wert);
    const QPoint p = platz(l);
    auto* raster = qobject_cast<QGridLayout*>(l->parentWidget()->layout());
    QStringList texte;
    for (int spalte : {p.x() - 1, p.x() + 1}) {
        QLayoutItem* item = spalte >= 0 ? raster->itemAtPosition(p.y(), spalte) : nullptr;
        auto* nachbar = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
        texte << (nachbar && nachbar != l ? nachbar->text() : QString());
    }
    return texte;
}

QLabel* mitText(QWidget* s, const QString& text)
{
    QLabel* gefunden = nullptr;
    for (QLabel* l : s->findChildren<QLabel*>())
        if (l->text() == text) {
            if (gefunden)
                return nullptr; // not unique
            gefunden = l;
        }
    return gefunden;
}

// Other inputs than the examples, wherever an input screen has the control
// and offers it: the other answer of every question and other figures.
void umstellen(QWidget* eingabe)
{
    for (const char* name : {"optdeko", "optvtnein", "optmastja", "Option11", "optastro", "optabschaltja", "optsenkja",
                             "Option27", "optastrob", "optabschaltjab", "optsenkjab"})
        if (auto* option = finde<QRadioButton>(eingabe, name); option && option->isEnabled())
            waehlen(option);
    const std::pair<const char*, const char*> zahlen[] = {
        {"txtlp", "2,5"}, {"txtabschaltungdauer", "4"}, {"txtabschaltungbdauer", "3"},
        {"txtwattageb", "125"}, {"txtstromko", "12"},
    };
    for (const auto& [name, text] : zahlen)
        if (auto* feld = finde<QLineEdit>(eingabe, name))
            feld->setText(QString::fromUtf8(text));
    if (eingabe->objectName() == QStringLiteral("frmneuerrland"))
        hoeheWaehlen(eingabe, QStringLiteral("8")); // another spacing from the table
}

} // namespace

class ErgebnisblattTest : public Programmtest {
    Q_OBJECT

    // From the main menu to the sheet: 1000 m, 6 m masts (30 m apart on the
    // municipal road), 200 m in asphalt; 30 light points to renovate; 15 Cent/kWh.
    // Changed, the inputs differ from these wherever they can.
    Pfadformular* blatt(Pfad pfad, bool umgestellt = false)
    {
        a->folge().starte(pfad);
        for (int k = 1; k <= 4; ++k) {
            eingabenMachen(schritt(k));
            if (umgestellt)
                umstellen(schritt(k));
            schritt(k)->vorwaertsknopf()->click();
        }
        return schritt(5);
    }

    // The renovation of 40 light points with technical luminaires, new masts
    // and a cabinet, 80 W mercury lamps replaced by the 50 W sodium lamp.
    Pfadformular* sanierungsblatt(const QString& strompreis, const char* lampe = nullptr)
    {
        a->folge().starte(Pfad::Sanierung);
        finde<QLineEdit>(schritt(1), "txtlp")->setText(QStringLiteral("40"));
        schritt(1)->vorwaertsknopf()->click();
        schritt(2)->vorwaertsknopf()->click();
        if (lampe)
            finde<QRadioButton>(schritt(3), lampe)->click();
        eingabenMachen(schritt(3));
        finde<QLineEdit>(schritt(3), "txtstromko")->setText(strompreis);
        schritt(3)->vorwaertsknopf()->click();
        schritt(4)->vorwaertsknopf()->click();
        return schritt(5);
    }

    void pruefeSumme(Pfadformular* s, const char* kosten)
    {
        const qint64 summe = ganzzahl(text(s, kosten)) + ganzzahl(text(s, "lblbetrkoges"));
        QCOMPARE(text(s, "lblges"), gruppiert(summe));
    }

    static void proPfad()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::newRow("Landesstraße") << Pfad::Landesstrasse;
        QTest::newRow("Gemeindestraße") << Pfad::Gemeindestrasse;
        QTest::newRow("Sanierung") << Pfad::Sanierung;
    }

private slots:
    void everySheetTextIsTheTextOfItsResultScreen_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<bool>("umgestellt");
        for (Pfad pfad : allePfade)
            for (bool umgestellt : {false, true})
                QTest::addRow("%s%s", qPrintable(pfadbildschirm(pfad, 5).name), umgestellt ? " umgestellt" : "")
                    << pfad << umgestellt;
    }
    // And the total adds the two totals as displayed.
    void everySheetTextIsTheTextOfItsResultScreen()
    {
        QFETCH(Pfad, pfad);
        QFETCH(bool, umgestellt);
        Pfadformular* s = blatt(pfad, umgestellt);
        QVERIFY(s);
        QCOMPARE(sichtbareFenster(), QStringList{pfadbildschirm(pfad, 5).name});
        for (const Quelle& q : quellen(pfad)) {
            const QString erwartet = text(schritt(q.schritt), q.quelle);
            // The state road leaves its switch-off empty; every other source shows something.
            QVERIFY2(!erwartet.isEmpty() || (pfad == Pfad::Landesstrasse && q.quelle == "lblabschaltung"),
                     q.quelle.constData());
            QVERIFY2(text(s, q.blatt) == erwartet,
                     qPrintable(QStringLiteral("%1: »%2« statt »%3«")
                                    .arg(QString::fromUtf8(q.blatt), text(s, q.blatt), erwartet)));
        }
        if (pfad != Pfad::Sanierung && !umgestellt) // the same on both roads
            QCOMPARE(text(s, "lblerrko"), QStringLiteral("109.530"));
        pruefeSumme(s, pfad == Pfad::Sanierung ? "lblsanko" : "lblerrko");
    }

    // The engine, given the inputs the screens took, gives every label of the
    // three result screens its text, and hides the rows the screens hide.
    void theEngineComputesWhatTheScreensShow_data() { everySheetTextIsTheTextOfItsResultScreen_data(); }
    void theEngineComputesWhatTheScreensShow()
    {
        QFETCH(Pfad, pfad);
        QFETCH(bool, umgestellt);
        QVERIFY(blatt(pfad, umgestellt));
        const Ergebnis e = berechnen({pfad, Schritt::Ergebnisblatt, a->daten()}, a->folge().zustand().grundlage);
        for (Schritt schritt : {Schritt::Kosten, Schritt::Betrieb, Schritt::Ergebnisblatt}) {
            QWidget* s = a->folge().schritt(schritt);
            const Blattinhalt inhalt = e.blatt(schritt);
            QCOMPARE(text(s, "lbldatenbasis"), QString::fromStdString(inhalt.datenbasis));
            for (const Blatttabelle& t : inhalt.tabellen)
                for (const Blattzeile& z : t.zeilen) {
                    std::vector<Feld> felder{z.beschriftung};
                    for (const Wert& w : z.werte)
                        felder.insert(felder.end(), w.teile.begin(), w.teile.end());
                    for (const Feld& f : felder) {
                        auto* l = finde<QLabel>(s, f.name.c_str());
                        QCOMPARE(l->text(), QString::fromStdString(f.text));
                        QCOMPARE(l->isVisibleTo(s), !z.verborgen);
                    }
                }
        }
    }

    void municipalRoadWithTheOperatingCostsOfTheWorkedExample()
    {
        // 1170 m at 30 m spacing: 39 spans, 40 light points, the operating costs
        // of the worked example (58.990); 40 × 1295 + 7500 + 1070 × 40 + 100 × 130
        // to build.
        a->folge().starte(Pfad::Gemeindestrasse);
        Pfadformular* eingabe = schritt(1);
        finde<QLineEdit>(eingabe, "txtstraßenlänge")->setText(QStringLiteral("1170"));
        hoeheWaehlen(eingabe, QStringLiteral("6"));
        finde<QLineEdit>(eingabe, "txtlpabstand")->setText(QStringLiteral("30"));
        finde<QLineEdit>(eingabe, "txtgrabungslänge")->setText(QStringLiteral("100"));
        eingabe->vorwaertsknopf()->click();
        for (int k = 2; k <= 4; ++k)
            weiter(schritt(k));
        Pfadformular* s = schritt(5);
        QCOMPARE(text(s, "lblanzahllp"), QStringLiteral("40"));
        QCOMPARE(text(s, "lblerrko"), QStringLiteral("115.100"));
        QCOMPARE(text(s, "lblbetrkoges"), QStringLiteral("58.990"));
        QCOMPARE(text(s, "lblges"), QStringLiteral("174.090"));
    }

    void theStateSheetHidesItsSwitchOffRow()
    {
        Pfadformular* land = blatt(Pfad::Landesstrasse);
        QVERIFY(!finde<QLabel>(land, "lblabschaltung")->isVisibleTo(land));
        QLabel* beschriftung = mitText(land, QStringLiteral("Anlage wird nachts abgeschalten:"));
        QVERIFY(beschriftung);
        QVERIFY(!beschriftung->isVisibleTo(land));
        QVERIFY(finde<QLabel>(land, "lblabsenkung")->isVisibleTo(land));

        land->hauptmenueknopf()->click();
        Pfadformular* gde = blatt(Pfad::Gemeindestrasse);
        QVERIFY(finde<QLabel>(gde, "lblabschaltung")->isVisibleTo(gde));
        QCOMPARE(text(gde, "lblabschaltung"), QStringLiteral("nein"));
        QCOMPARE(zeile(gde, "lblabschaltung").first(), QStringLiteral("Anlage wird nachts abgeschalten:"));
    }

    void theSpacingStandsUnderItsHeadingPerRoad_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<bool>("ergebnis");
        QTest::newRow("Landesstraße") << Pfad::Landesstrasse << true;
        QTest::newRow("Gemeindestraße") << Pfad::Gemeindestrasse << false;
    }
    void theSpacingStandsUnderItsHeadingPerRoad()
    {
        QFETCH(Pfad, pfad);
        QFETCH(bool, ergebnis);
        Pfadformular* s = blatt(pfad);
        QCOMPARE(zeile(s, "lbllichtpunktabstand"), (QStringList{"Lichtpunktabstand:", "m"}));
        QCOMPARE(text(s, "lbllichtpunktabstand"), QStringLiteral("30"));
        const int abstand = platz(finde<QLabel>(s, "lbllichtpunktabstand")).y();
        const int eingegeben = platz(mitText(s, QStringLiteral("Eingegebene Werte"))).y();
        const int berechnet = platz(mitText(s, QStringLiteral("Berechnungsergebnis"))).y();
        QVERIFY(eingegeben >= 0 && eingegeben < berechnet);
        QCOMPARE(abstand > berechnet, ergebnis);
        QVERIFY(abstand > eingegeben);
        // Under the computed results it comes first, among the entered values after the height.
        const int vorher = platz(finde<QLabel>(s, ergebnis ? "lblanzahllp" : "lblverteiler")).y();
        QVERIFY(abstand < vorher);
        QVERIFY(abstand > platz(finde<QLabel>(s, "lbllichtpunkthöhe")).y());
    }

    void newConstructionRowsHaveTheirCaptionsAndUnits()
    {
        const QList<std::pair<const char*, QStringList>> zeilen = {
            {"lblleuchtenart", {"Art der Leuchte:", ""}},
            {"lblstraßenlänge", {"Sträßenlänge:", "m"}},
            {"lbllichtpunkthöhe", {"Lichtpunkthöhe:", "m"}},
            {"lblgrabungslänge", {"Grabungslänge im Asphalt:", "m"}},
            {"lblanzahllp", {"Anzahl der LP (aufgerundet):", "Stk."}},
            {"lblerrko", {"Errichtungskosten (Grobkosten):", "€"}},
            {"lblges", {"Gesamtkosten der Anlage über 25 Jahre  (Grobkosten)", "€"}},
            {"lblleuchtmittel", {"Art des Leuchtmittels:", ""}},
            {"lbleinschaltung", {"Ein-/Ausschaltung der Anlage:", ""}},
            {"lblabsenkung", {"Anlage wird nachts abgesenkt:", ""}},
            {"lblstrompreis", {"Durchschnittlicher Strompreis:", "Cent/kWh"}},
            {"lblbetrstdjahr", {"Betriebsstunden pro Jahr:", "Std."}},
            {"lblenergiejahr", {"Energieverbrauch pro Jahr:", "kWh/a"}},
            {"lblenergiekojahr", {"Energiekosten pro Jahr:", "€/a"}},
            {"lblenergie25", {"Energieverbrauch für 25 Jahre:", "kWh"}},
            {"lblenergieko25", {"Energiekosten für 25 Jahre:", "€"}},
            {"lbllampenersko25", {"Lampenersatzkosten für 25 Jahre:", "€"}},
            {"lblwartinstko25", {"Wartungs- / Instandhaltungs- kosten für 25 Jahre:", "€"}},
            {"lblbetrkoges", {"Betriebskosten gesamt für 25 Jahre (Grobkosten):", "€"}},
        };
        for (Pfad pfad : {Pfad::Landesstrasse, Pfad::Gemeindestrasse}) {
            Pfadformular* s = blatt(pfad);
            for (const auto& [wert, erwartet] : zeilen) {
                QLabel* l = finde<QLabel>(s, wert);
                QVERIFY2(l, wert);
                QCOMPARE(zeile(s, wert), erwartet);
                // Texts span figure and unit column; figures stand right-aligned.
                if (!erwartet.last().isEmpty())
                    QVERIFY2(l->alignment() & Qt::AlignRight, wert);
            }
            QVERIFY(finde<QLabel>(s, "lblges")->font().bold());
            QVERIFY(mitText(s, QStringLiteral("Gesamtkosten der Anlage über 25 Jahre  (Grobkosten)"))->font().bold());
            QVERIFY(mitText(s, QStringLiteral("Berechnungsergebnis"))->font().bold());
            // Every label that a screen reader or a test looks for has a name of its own.
            QStringList namen;
            for (QLabel* l : s->findChildren<QLabel*>())
                namen << l->objectName();
            QVERIFY(!namen.contains(QString()));
            QCOMPARE(QSet<QString>(namen.begin(), namen.end()).size(), namen.size());
            s->hauptmenueknopf()->click();
        }
    }

    void renovationRowsHaveTheirNamedCaptionsAndUnits()
    {
        Pfadformular* s = blatt(Pfad::Sanierung);
        const QList<std::pair<const char*, const char*>> beschriftungen = {
            {"Label16", "Eingegebene Werte"},
            {"Label3", "Art der Leuchte:"},
            {"Label12", "Anzahl der zu sanierenden Lichtpunkte:"},
            {"Label13", "Stk."},
            {"Label9", "Verteilerneuerrichtung:"},
            {"Label8", "Weiterverwendung der Maste:"},
            {"Label17", "Berechnungsergebnis"},
            {"Label1", "Sanierungskosten (Grobkosten):"},
            {"Label20", "€"},
            {"Label49", "Gesamtkosten der zu sanierenden Anlage über 25 Jahre  (Grobkosten)"},
            {"Label47", "€"},
            {"Label14", "Amortisation"},
            {"Label43", "Jahre"},
            {"Label48", "Gesamtersparnis über 25 Jahre"},
            {"Label51", "€"},
            {"Label18", "Bestand der Straßenbeleuchtung"},
            {"Label19", "Straßenbeleuchtung nach Sanierung"},
            {"Label15", "Art des Leuchtmittels:"},
            {"Label4", "Ein-/Ausschaltung der Anlage:"},
            {"Label5", "Anlage wird nachts abgeschalten:"},
            {"Label6", "Anlage wird nachts abgesenkt:"},
            {"Label7", "Durchschnittlicher Strompreis:"},
            {"Label10", "Cent/kWh"},
            {"Label22", "Betriebsstunden pro Jahr:"},
            {"Label38", "Energieverbrauch pro Jahr:"},
            {"Label39", "Energiekosten pro Jahr:"},
            {"Label40", "Energieverbrauch für 25 Jahre:"},
            {"Label42", "Energiekosten für 25 Jahre:"},
            {"Label44", "Lampenersatzkosten für 25 Jahre:"},
            {"Label45", "Wartungs- / Instandhaltungs- kosten für 25 Jahre:"},
            {"Label46", "Betriebskosten gesamt für 25 Jahre (Grobkosten):"},
            {"Label21", "Std."}, {"Label23", "kWh/a"}, {"Label24", "€/a"}, {"Label25", "kWh"}, {"Label26", "€"},
            {"Label35", "€"}, {"Label36", "€"},
            {"Label30", "Std."}, {"Label31", "kWh/a"}, {"Label32", "€/a"}, {"Label33", "kWh"}, {"Label34", "€"},
            {"Label27", "€"}, {"Label28", "€"}, {"Label29", "€"},
            {"Label37", "Abweichung"},
            {"Label11", "© Lumenstelle"},
        };
        for (const auto& [name, inhalt] : beschriftungen)
            QCOMPARE(text(s, name), QString::fromUtf8(inhalt));

        // Value and unit in one row, the caption in front: spot checks of the two columns.
        QCOMPARE(zeile(s, "lblsanko"), (QStringList{"Sanierungskosten (Grobkosten):", "€"}));
        QCOMPARE(zeile(s, "lblamo"), (QStringList{"Amortisation", "Jahre"}));
        QCOMPARE(zeile(s, "lblbetrstdjahrb"), (QStringList{"Betriebsstunden pro Jahr:", "Std."}));
        QCOMPARE(platz(finde<QLabel>(s, "lblbetrstdjahr")).y(), platz(finde<QLabel>(s, "lblbetrstdjahrb")).y());
        QCOMPARE(platz(finde<QLabel>(s, "lblbetrkoges")).y(), platz(finde<QLabel>(s, "lblbetrkogesb")).y());
        QCOMPARE(zeile(s, "lblbetrkoges").last(), QStringLiteral("€"));
        // The existing lamp type and its wattage side by side in one row.
        QCOMPARE(finde<QLabel>(s, "lblwattageb")->parentWidget(), finde<QLabel>(s, "lblleuchtmittelb")->parentWidget());
        // "Abweichung" right above the deviation, which stands in the total row.
        const QPoint abweichung = platz(finde<QLabel>(s, "lbl7"));
        QCOMPARE(abweichung.y(), platz(finde<QLabel>(s, "lblbetrkoges")).y());
        QCOMPARE(platz(finde<QLabel>(s, "Label37")), abweichung - QPoint(0, 1));
        QVERIFY(finde<QLabel>(s, "lblges")->font().bold());
        QVERIFY(finde<QLabel>(s, "Label49")->font().bold());
        QVERIFY(!finde<QLabel>(s, "lblamo")->font().bold());
        QVERIFY(!finde<QPushButton>(s, "Command2"));
    }

    void renovationFiguresFromTheDisplayedTexts_data()
    {
        QTest::addColumn<QString>("strompreis");
        QTest::addColumn<QStringList>("erwartet"); // lblsanko, Kb, Kn, lblges, lblamo, lblgesersp, lbl7
        // 40 × (750 + 250 + 55 + 60 + 40 + 25 + 30 + 40) + one cabinet of 7500 = 57.500;
        // the operating totals of the worked example.
        // 57500 / (94300 − 58990) × 25 = 40,71; 35310 − 57500 = −22190.
        QTest::newRow("15 Cent") << QStringLiteral("15")
                                 << QStringList{"57.500", "94.300", "58.990", "116.490", "40,7", "-22.190", "-37 %"};
        // Without a price the existing installation costs nothing, the renovated
        // one its lamps and maintenance; there is no deviation from nothing, and
        // no payback: the renovation costs more to run.
        QTest::newRow("0 Cent") << QStringLiteral("0")
                                << QStringList{"57.500", "0", "20.860", "78.360", "\u2013", "-78.360", "\u2013"};
    }
    void renovationFiguresFromTheDisplayedTexts()
    {
        QFETCH(QString, strompreis);
        QFETCH(QStringList, erwartet);
        Pfadformular* s = sanierungsblatt(strompreis);
        QVERIFY(s);
        QCOMPARE(s->objectName(), QStringLiteral("frmerg_san"));
        QVERIFY(t->meldungen.meldungen.isEmpty());
        QCOMPARE((QStringList{text(s, "lblsanko"), text(s, "lblbetrkogesb"), text(s, "lblbetrkoges"),
                              text(s, "lblges"), text(s, "lblamo"), text(s, "lblgesersp"), text(s, "lbl7")}),
                 erwartet);
        QCOMPARE(text(s, "lbl7"), text(schritt(4), "lbl7"));
        pruefeSumme(s, "lblsanko");
    }

    void theShortCosmoPolisTypeOnTheRenovationSheet()
    {
        Pfadformular* s = sanierungsblatt(QStringLiteral("15"), "Option11");
        QVERIFY(text(s, "lblleuchtmittel").startsWith(QStringLiteral("Halogen-Metalldampflampe (CP)")));
        QCOMPARE(text(s, "lblleuchtmittel"), text(schritt(4), "lblleuchtmittel"));
    }

    void backShowsTheOperatingResultUnchangedAndForwardOpensANewSheet_data()
    {
        proPfad();
    }
    void backShowsTheOperatingResultUnchangedAndForwardOpensANewSheet()
    {
        QFETCH(Pfad, pfad);
        QPointer<Pfadformular> erstes = blatt(pfad);
        Pfadformular* betrieb = schritt(4);
        const QMap<QString, QString> betriebVorher = alleTexte(betrieb);
        const QMap<QString, QString> blattVorher = alleTexte(erstes);

        erstes->zurueckknopf()->click();
        QCOMPARE(sichtbareFenster(), QStringList{pfadbildschirm(pfad, 4).name});
        QCOMPARE(schritt(4), betrieb);
        QCOMPARE(alleTexte(betrieb), betriebVorher);
        geschlosseneAufraeumen();
        QVERIFY(erstes.isNull());

        betrieb->vorwaertsknopf()->click();
        Pfadformular* zweites = schritt(5);
        QVERIFY(zweites);
        QCOMPARE(sichtbareFenster(), QStringList{pfadbildschirm(pfad, 5).name});
        QCOMPARE(alleTexte(zweites), blattVorher);
    }

    void aNewPriceGivesANewSheetWithNewFigures_data() { proPfad(); }
    void aNewPriceGivesANewSheetWithNewFigures()
    {
        QFETCH(Pfad, pfad);
        const QString kosten = pfad == Pfad::Sanierung ? QStringLiteral("lblsanko") : QStringLiteral("lblerrko");
        Pfadformular* s = blatt(pfad);
        const QMap<QString, QString> vorher = alleTexte(s);

        s->zurueckknopf()->click();
        schritt(4)->zurueckknopf()->click();
        Pfadformular* eingabe = schritt(3);
        eingabenMachen(eingabe);
        finde<QLineEdit>(eingabe, "txtstromko")->setText(QStringLiteral("30"));
        eingabe->vorwaertsknopf()->click();
        schritt(4)->vorwaertsknopf()->click();
        s = schritt(5);
        QVERIFY(s);
        QCOMPARE(text(s, "lblstrompreis"), QStringLiteral("30"));
        QCOMPARE(text(s, "lblbetrkoges"), text(schritt(4), "lblbetrkoges"));
        // Twice the price: the energy cost doubles, so the totals grow.
        QVERIFY(ganzzahl(text(s, "lblbetrkoges")) > ganzzahl(vorher["lblbetrkoges"]));
        QVERIFY(ganzzahl(text(s, "lblges")) > ganzzahl(vorher["lblges"]));
        // (Each of the two is rounded on its own.)
        QVERIFY(qAbs(ganzzahl(text(s, "lblenergieko25")) - 2 * ganzzahl(vorher["lblenergieko25"])) <= 1);
        QCOMPARE(text(s, kosten.toUtf8().constData()), vorher[kosten]);
        pruefeSumme(s, kosten.toUtf8().constData());
    }

    void mainMenuFromTheSheetClosesAllFiveScreens_data() { proPfad(); }
    void mainMenuFromTheSheetClosesAllFiveScreens()
    {
        QFETCH(Pfad, pfad);
        Pfadformular* s = blatt(pfad);
        const Kalkulationsdaten vorher = a->daten();
        s->hauptmenueknopf()->click();
        geschlosseneAufraeumen();
        QCOMPARE(sichtbareFenster(), QStringList{"frmgrsbl"});
        for (int k = 1; k <= 5; ++k)
            QVERIFY(!schritt(k));
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->objectName().startsWith(QStringLiteral("frm")) || w->objectName() == "frmgrsbl",
                     qPrintable(w->objectName()));
        // The record is not reset.
        QCOMPARE(a->daten().strompreis, vorher.strompreis);
        QCOMPARE(a->daten().anzahllp, vorher.anzahllp);
    }

    void theDecorativePictureCoversNoTextAndShowsTheBackgroundHint_data()
    {
        proPfad();
    }
    void theDecorativePictureCoversNoTextAndShowsTheBackgroundHint()
    {
        QFETCH(Pfad, pfad);
        Pfadformular* s = blatt(pfad);
        s->layout()->activate();
        // The renovation sheet shows its cost chart in the picture's place.
        QWidget* bild = finde(s, pfad == Pfad::Sanierung ? "diagramm" : "Image4");
        QVERIFY(bild);
        QVERIFY(!bild->accessibleName().isEmpty());
        QVERIFY(bild->isVisible());
        const QRect platzImBlatt(bild->mapTo(s, QPoint()), bild->size());
        for (QLabel* l : s->findChildren<QLabel*>())
            if (l->isVisible() && !l->text().isEmpty())
                QVERIFY2(!platzImBlatt.intersects(QRect(l->mapTo(s, QPoint()), l->size())), qPrintable(l->objectName()));
        QVERIFY(platzImBlatt.bottom() <= s->hauptmenueknopf()->mapTo(s, QPoint()).y());

        // The picture has no hint of its own and keeps the one shown; the space
        // between the rows is background.
        mausBewegen(s->hauptmenueknopf());
        QCOMPARE(statustext(s), QStringLiteral("Zurück zum Hauptmenü."));
        mausBewegen(bild);
        QCOMPARE(statustext(s), QStringLiteral("Zurück zum Hauptmenü."));
        for (const char* wert : {"lblges", "lblbetrkoges"}) {
            mausBewegen(s->hauptmenueknopf());
            QWidget* block = finde(s, wert)->parentWidget();
            mausBewegen(block, QPoint(block->width() - 1, block->height() - 1));
            QCOMPARE(statustext(s), texte::hintergrund);
        }
    }

    void nothingIsClippedAtTheSizeTheSheetOpensWith_data() { proPfad(); }
    void nothingIsClippedAtTheSizeTheSheetOpensWith()
    {
        QFETCH(Pfad, pfad);
        Pfadformular* s = blatt(pfad);
        s->resize(s->minimumSizeHint());
        s->layout()->activate();
        for (QLabel* l : s->findChildren<QLabel*>()) {
            if (!l->isVisibleTo(s) || l->text().isEmpty())
                continue;
            // A label is as high as its text needs at the width it was given.
            const int noetig = l->wordWrap() ? l->heightForWidth(l->width()) : l->sizeHint().height();
            QVERIFY2(l->height() >= noetig, qPrintable(l->objectName()));
            if (!l->wordWrap())
                QVERIFY2(l->width() >= l->fontMetrics().horizontalAdvance(l->text()), qPrintable(l->objectName()));
        }
    }
};

QTEST_MAIN(ErgebnisblattTest)
#include "test_ergebnisblatt.moc"
