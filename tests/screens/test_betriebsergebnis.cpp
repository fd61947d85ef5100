// The operating-cost results of the three paths: the figures of the worked
// examples, the entered values, the rows of each sheet, the renovation's two
// columns and deviation, and when the figures are computed again.
#include "testhilfen.h"

#include "lampenkatalog.h"
#include "zahlentext.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QtTest>

using namespace grobrechner;
using namespace grobrechner::test;

namespace {

using Einrichtung = void (*)(Kalkulationsdaten&);

// Worked example A: 40 light points with the 50 W sodium lamp, twilight switch,
// neither switched off nor dimmed, 15 Cent/kWh; the existing installation of
// the renovation example has 80 W mercury vapour lamps.
void beispielA(Kalkulationsdaten& d)
{
    d.anzahllp = 40;
    d.lampe = lampeMitOption("Option1"); // 62 W, 16000 h, 40 €
    d.schaltung = {Einschaltung::Daemmerungsschalter, false, 6, false};
    d.strompreis = 15;
    d.bestandslampe = bestandslampeMitOption("Option23");
    d.wattageb = 80;
    d.schaltungb = d.schaltung;
}
// Example B: astronomical switch, 6 h off every night, dimmed.
void beispielB(Kalkulationsdaten& d)
{
    beispielA(d);
    d.schaltung = {Einschaltung::Astronomisch, true, 6, true};
}
// 9 h off leaves fewer burning hours than dimming saves: the consumption is negative.
void neunStunden(Kalkulationsdaten& d)
{
    beispielB(d);
    d.schaltung.abschaltdauer = 9;
}
void ohneStrompreis(Kalkulationsdaten& d)
{
    beispielA(d);
    d.strompreis = 0;
}
void cosmopolis(Kalkulationsdaten& d)
{
    beispielA(d);
    d.lampe = lampeMitOption("Option12"); // 60 W, 69 W, 12000 h, 103 €
}
// The 15000 h compact fluorescent lamp (134 W, 79 €), dimmed: it runs 12000 h,
// never 9000 h.
void gedimmt15000(Kalkulationsdaten& d)
{
    beispielA(d);
    d.lampe = lampeMitOption("Option16");
    d.schaltung.absenkung = true;
}

const QStringList zahlnamen{"lblbetrstdjahr", "lblenergiejahr", "lblenergiekojahr", "lblenergie25",
                            "lblenergieko25",  "lbllampenersko25", "lblwartinstko25", "lblbetrkoges"};
const QStringList beispielAZahlen{"4.100", "10.168", "1.525", "254.200", "38.130", "11.200", "9.660", "58.990"};

QString text(QWidget* s, const QString& name)
{
    auto* l = s->findChild<QLabel*>(name);
    return l ? l->text() : QStringLiteral("<%1 fehlt>").arg(name);
}

QStringList beschriftungen(QWidget* s, const QStringList& namen, const QString& endung = {})
{
    QStringList t;
    for (const QString& n : namen)
        t << text(s, n + endung);
    return t;
}

// Column and row of a label in its screen's grid.
QPoint platz(QWidget* s, const QString& name)
{
    auto* l = s->findChild<QLabel*>(name);
    auto* raster = l ? qobject_cast<QGridLayout*>(l->parentWidget()->layout()) : nullptr;
    if (!raster || raster->indexOf(l) < 0)
        return {-1, -1};
    int zeile, spalte, hoehe, breite;
    raster->getItemPosition(raster->indexOf(l), &zeile, &spalte, &hoehe, &breite);
    return {spalte, zeile};
}

void tippen(QWidget* s, const char* feld, const std::string& text)
{
    if (auto* f = finde<QLineEdit>(s, feld))
        f->setText(QString::fromStdString(text));
}

} // namespace

Q_DECLARE_METATYPE(Einrichtung)

class BetriebsergebnisTest : public Programmtest {
    Q_OBJECT

    // Step 3's calculate button. Where the input screen has fields, they get
    // what the record holds, so its checks store the same values again.
    Pfadformular* berechnen()
    {
        const Kalkulationsdaten& d = a->daten();
        tippen(schritt(3), "txtstromko", zahltext(d.strompreis));
        tippen(schritt(3), "txtwattageb", zahltext(d.wattageb));
        const auto dauer = [](const Schaltung& s) {
            return s.abschaltdauer ? QString::number(*s.abschaltdauer).toStdString() : std::string();
        };
        tippen(schritt(3), "txtabschaltungdauer", dauer(d.schaltung));
        tippen(schritt(3), "txtabschaltungbdauer", dauer(d.schaltungb));
        schritt(3)->vorwaertsknopf()->click();
        return schritt(4);
    }

    // From the main menu to the operating-cost result with the record as
    // given; null when the result does not show.
    Pfadformular* ergebnis(Pfad pfad, Einrichtung einrichten)
    {
        a->folge().starte(pfad);
        weiter(schritt(1));
        weiter(schritt(2));
        einrichten(a->daten());
        Pfadformular* s = berechnen();
        return sichtbareFenster() == QStringList{pfadbildschirm(pfad, 4).name} ? s : nullptr;
    }

private slots:
    void newInstallationsShowTheEnteredValuesAndFigures_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<Einrichtung>("einrichtung");
        QTest::addColumn<QStringList>("eingaben"); // Leuchtmittel, Ein-/Aus, abgeschalten, abgesenkt, Strompreis
        QTest::addColumn<QStringList>("zahlen");
        const QString lampe = QStringLiteral("Natriumdampf-Hochdrucklampe,   50 Watt");
        const QString daemm = QStringLiteral("Dämmerungsschalter, ZSU, RSS über Dämmerungsschalter");
        const QString astro = QStringLiteral("Astronomische ZSU, RSS über astronomische ZSU");
        // The state road never fills its switch-off row.
        QTest::newRow("A Landesstraße") << Pfad::Landesstrasse << &beispielA
                                        << QStringList{lampe, daemm, "", "nein", "15"} << beispielAZahlen;
        QTest::newRow("A Gemeindestraße") << Pfad::Gemeindestrasse << &beispielA
                                          << QStringList{lampe, daemm, "nein", "nein", "15"} << beispielAZahlen;
        QTest::newRow("B") << Pfad::Gemeindestrasse << &beispielB << QStringList{lampe, astro, "ja", "ja", "15"}
                           << QStringList{"1.710", "2.340", "351", "58.497", "8.775", "3.200", "2.760", "14.735"};
        // 615 h less 766.5 dimmed hours; nothing is clamped.
        QTest::newRow("astro 9 h gedimmt")
            << Pfad::Gemeindestrasse << &neunStunden << QStringList{lampe, astro, "ja", "ja", "15"}
            << QStringList{"615", "-376", "-56", "-9.393", "-1.409", "1.600", "1.380", "1.571"};
    }
    void newInstallationsShowTheEnteredValuesAndFigures()
    {
        QFETCH(Pfad, pfad);
        QFETCH(Einrichtung, einrichtung);
        QFETCH(QStringList, eingaben);
        QFETCH(QStringList, zahlen);
        Pfadformular* s = ergebnis(pfad, einrichtung);
        QVERIFY(s);
        QCOMPARE(beschriftungen(s, {"lblleuchtmittel", "lbleinschaltung", "lblabschaltung", "lblabsenkung",
                                    "lblstrompreis"}),
                 eingaben);
        QCOMPARE(beschriftungen(s, zahlnamen), zahlen);
    }

    // Top to bottom, each row's caption, figures and units on one line, left
    // to right; every name once, as the result sheets copy the texts by name.
    void theRowsOfEachSheet_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<QList<QStringList>>("zeilen");
        QTest::addColumn<QStringList>("versteckt");
        QTest::addColumn<QString>("gesamt"); // the caption of the last row
        const QList<QStringList> zahlen{
            {"Label5", "lblbetrstdjahr", "Label18"},   {"Label6", "lblenergiejahr", "Label19"},
            {"Label4", "lblenergiekojahr", "Label21"}, {"Label7", "lblenergie25", "Label22"},
            {"Label10", "lblenergieko25", "Label23"},  {"Label11", "lbllampenersko25", "Label24"},
            {"Label14", "lblwartinstko25", "Label25"}, {"Label15", "lblbetrkoges", "Label26"}};
        const QStringList leuchtmittel{"Label13", "lblleuchtmittel"}, schaltung{"Label12", "lbleinschaltung"},
            abgeschalten{"Label8", "lblabschaltung"}, abgesenkt{"Label9", "lblabsenkung"},
            preis{"Label3", "lblstrompreis", "Label20"};
        QTest::newRow("Landesstraße") << Pfad::Landesstrasse
                                      << (QList<QStringList>{leuchtmittel, schaltung, abgesenkt, preis} + zahlen)
                                      << abgeschalten
                                      << QStringLiteral("Betriebskosten gesamt für 25 Jahre  (Grobkosten):");
        QTest::newRow("Gemeindestraße")
            << Pfad::Gemeindestrasse << (QList<QStringList>{leuchtmittel, schaltung, abgeschalten, abgesenkt, preis} + zahlen)
            << QStringList{} << QStringLiteral("Betriebskosten gesamt für 25 Jahre (Grobkosten):");
        QTest::newRow("Sanierung") << Pfad::Sanierung << QList<QStringList>{
            {"Label9", "Label8"},
            {"Label3", "lblleuchtmittel"},
            {"Label4", "lbleinschaltungb", "lbleinschaltung"},
            {"Label5", "lblabschaltungb", "lblabschaltung"},
            {"Label6", "lblabsenkungb", "lblabsenkung"},
            {"Label7", "lblstrompreis", "Label10"},
            {"Label22", "lblbetrstdjahrb", "Label15", "lblbetrstdjahr", "Label30"},
            {"Label21", "lblenergiejahrb", "Label23", "lblenergiejahr", "Label31"},
            {"Label20", "lblenergiekojahrb", "Label24", "lblenergiekojahr", "Label32"},
            {"Label19", "lblenergie25b", "Label25", "lblenergie25", "Label33"},
            {"Label18", "lblenergieko25b", "Label26", "lblenergieko25", "Label34"},
            {"Label16", "lbllampenersko25b", "lbllampenersko25", "Label27"},
            {"Label13", "lblwartinstko25b", "Label35", "lblwartinstko25", "Label28", "Label37"},
            {"Label12", "lblbetrkogesb", "Label36", "lblbetrkoges", "Label29", "lbl7"}}
            << QStringList{} << QStringLiteral("Betriebskosten gesamt für 25 Jahre (Grobkosten):");
    }
    void theRowsOfEachSheet()
    {
        QFETCH(Pfad, pfad);
        QFETCH(QList<QStringList>, zeilen);
        QFETCH(QStringList, versteckt);
        QFETCH(QString, gesamt);
        Pfadformular* s = ergebnis(pfad, &beispielA);
        QVERIFY(s);
        QPoint vorige(-1, -1);
        for (const QStringList& zeile : zeilen) {
            QVERIFY2(platz(s, zeile.first()).y() > vorige.y(), qPrintable(zeile.first()));
            vorige = platz(s, zeile.first()) - QPoint(1, 0);
            for (const QString& name : zeile) {
                const QPoint p = platz(s, name);
                QVERIFY2(p.y() == vorige.y() && p.x() > vorige.x() && finde(s, qPrintable(name))->isVisible(),
                         qPrintable(name));
                vorige = p;
            }
        }
        for (const QString& name : versteckt)
            QVERIFY2(finde(s, qPrintable(name))->isHidden(), qPrintable(name));
        QCOMPARE(text(s, zeilen.last().first()), gesamt);

        QStringList namen;
        for (QLabel* l : s->findChildren<QLabel*>())
            if (!l->objectName().isEmpty())
                namen << l->objectName();
        QCOMPARE(QSet<QString>(namen.begin(), namen.end()).size(), namen.size());
    }

    void theRenovationSetsBothInstallationsSideBySide_data()
    {
        QTest::addColumn<Einrichtung>("einrichtung");
        QTest::addColumn<QString>("leuchtmittel");
        QTest::addColumn<QStringList>("bestand"); // without the lamp replacement
        QTest::addColumn<QStringList>("saniert");
        QTest::addColumn<QString>("abweichung");
        const QString natrium = QStringLiteral("Natriumdampf-Hochdrucklampe,   50 Watt");
        const QStringList bestand{"4.100", "15.088", "2.263", "377.200", "56.580", "37.720", "94.300"};
        QTest::newRow("Beispiel") << &beispielA << natrium << bestand << beispielAZahlen << "-37 %";
        // No existing cost: the deviation is undefined, everything else shows.
        QTest::newRow("Strompreis 0")
            << &ohneStrompreis << natrium << QStringList{"4.100", "15.088", "0", "377.200", "0", "0", "0"}
            << QStringList{"4.100", "10.168", "0", "254.200", "0", "11.200", "9.660", "20.860"} << "–";
        // 69 W system power, 9 lamp changes at 103 €.
        QTest::newRow("CosmoPolis")
            << &cosmopolis << QStringLiteral("Halogen-Metalldampflampe (CP),   60 Watt") << bestand
            << QStringList{"4.100", "11.316", "1.697", "282.900", "42.435", "37.080", "12.420", "91.935"} << "-3 %";
    }
    void theRenovationSetsBothInstallationsSideBySide()
    {
        QFETCH(Einrichtung, einrichtung);
        QFETCH(QString, leuchtmittel);
        QFETCH(QStringList, bestand);
        QFETCH(QStringList, saniert);
        QFETCH(QString, abweichung);
        Pfadformular* s = ergebnis(Pfad::Sanierung, einrichtung);
        QVERIFY(s);
        QStringList ohneLampenersatz = zahlnamen;
        ohneLampenersatz.removeOne("lbllampenersko25");
        QCOMPARE(beschriftungen(s, ohneLampenersatz, "b"), bestand);
        QCOMPARE(beschriftungen(s, zahlnamen), saniert);
        QCOMPARE(text(s, "lbl7"), abweichung);
        QCOMPARE(beschriftungen(s, {"lblleuchtmittelb", "lblwattageb", "lbleinschaltungb", "lblabschaltungb",
                                    "lblabsenkungb", "lblleuchtmittel", "lblstrompreis"}),
                 (QStringList{"Quecksilberdampflampen,", "80 Watt",
                              "Dämmerungsschalter, ZSU, RSS über Dämmerungsschalter", "nein", "nein", leuchtmittel,
                              QString::fromStdString(zahltext(a->daten().strompreis))}));
        // The existing maintenance contains the lamps: a note on three lines, no figure.
        const QString hinweis = text(s, "lbllampenersko25b");
        QCOMPARE(hinweis.count('\n'), 2);
        QCOMPARE(QString(hinweis).replace('\n', ' '),
                 QStringLiteral("Anteilige Lampenersatzkosten sind in den Wartungs- und Instandhaltungskosten enthalten"));
    }

    // Back to the input and calculating again computes from the record as it
    // then stands; a dimmed life is never dimmed a second time.
    void calculatingAgainUsesTheRecordAsItStands_data()
    {
        QTest::addColumn<Pfad>("pfad");
        for (Pfad p : allePfade)
            QTest::newRow(qPrintable(pfadbildschirm(p, 4).name)) << p;
    }
    void calculatingAgainUsesTheRecordAsItStands()
    {
        QFETCH(Pfad, pfad);
        QPointer<Pfadformular> erstes = ergebnis(pfad, &gedimmt15000);
        QVERIFY(erstes);
        // 4100 h · 25 / 12000 h → 9 lamp changes at 79 € for 40 light points;
        // 9000 h would give 12.
        const QStringList lampen{"lbllampenersko25", "lblwartinstko25"};
        QCOMPARE(beschriftungen(erstes, lampen), (QStringList{"28.440", "12.420"}));

        erstes->zurueckknopf()->click();
        geschlosseneAufraeumen();
        QVERIFY(erstes.isNull());
        QCOMPARE(beschriftungen(berechnen(), lampen), (QStringList{"28.440", "12.420"}));

        // Undimmed at 30 Cent: 134 W · 4100 h · 40 · 25 years at 0,30 €, and
        // the lamp's own 15000 h again (7 changes, not 9).
        schritt(4)->zurueckknopf()->click();
        a->daten().strompreis = 30;
        a->daten().schaltung.absenkung = false;
        QCOMPARE(beschriftungen(berechnen(), {"lblenergieko25", "lbllampenersko25"}), (QStringList{"164.820", "22.120"}));
    }

    void backFromTheSheetShowsTheFiguresUnchanged_data() { calculatingAgainUsesTheRecordAsItStands_data(); }
    void backFromTheSheetShowsTheFiguresUnchanged()
    {
        QFETCH(Pfad, pfad);
        Pfadformular* s = ergebnis(pfad, &beispielA);
        QVERIFY(s);
        s->vorwaertsknopf()->click();
        QCOMPARE(sichtbareFenster(), QStringList{pfadbildschirm(pfad, 5).name});
        a->daten().strompreis = 30;
        schritt(5)->zurueckknopf()->click();
        QCOMPARE(sichtbareFenster(), QStringList{pfadbildschirm(pfad, 4).name});
        QCOMPARE(schritt(4), s);
        QCOMPARE(beschriftungen(s, zahlnamen), beispielAZahlen);
    }
};

QTEST_MAIN(BetriebsergebnisTest)
#include "test_betriebsergebnis.moc"
