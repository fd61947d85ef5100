// The street register: files refused whole, lines refused with their row,
// column and reason through the rules the screens apply, what a list may
// spell differently, the planner's own columns, the totals, the first order,
// the template and the example that comes with the program.
#include "berechnung.h"
#include "csvlesen.h"
#include "csvtext.h"
#include "strassenliste.h"
#include "zahlentext.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace grobrechner;

namespace {

using Zeile = QList<QPair<QString, QString>>;

const Zeile landes{{"Bezeichnung", "L 123"},  {"Pfad", "Landesstraße"},
                   {"Straßenlänge", "1000"},  {"Lichtpunkthöhe", "6"},
                   {"Grabungslänge im Asphalt", "200"}, {"Strompreis", "15"}};
const Zeile gemeinde = landes + Zeile{{"Pfad", "Gemeindestraße"}, {"Lichtpunktabstand", "30"}};
const Zeile sanierung{{"Bezeichnung", "Birkenstraße"}, {"Pfad", "Sanierung"},
                      {"Anzahl der zu sanierenden Lichtpunkte", "30"}, {"Strompreis", "15"},
                      {"Wattage des Bestands", "80"}};

// A line with some cells changed; a later pair for the same column wins.
Zeile mit(Zeile zeile, const Zeile& aenderung)
{
    for (const auto& [spalte, wert] : aenderung) {
        const auto it = std::find_if(zeile.begin(), zeile.end(), [&](const auto& p) { return p.first == spalte; });
        if (it != zeile.end())
            it->second = wert;
        else
            zeile << qMakePair(spalte, wert);
    }
    return zeile;
}

QString zelle(QString text)
{
    if (text.contains(u';') || text.contains(u'"') || text.contains(u'\n'))
        return u'"' + text.replace(QLatin1String("\""), QLatin1String("\"\"")) + u'"';
    return text;
}

// The lines as CSV: the header names every column a line fills, in the order
// first used; a column named "" stands right of the header.
QByteArray csv(const QList<Zeile>& zeilen)
{
    QStringList kopf;
    for (const Zeile& z : zeilen)
        for (const auto& p : z)
            if (!p.first.isEmpty() && !kopf.contains(p.first))
                kopf << p.first;
    QStringList text{kopf.join(u';')};
    for (const Zeile& z : zeilen) {
        QStringList zellen(kopf.size());
        for (const auto& [spalte, wert] : z)
            if (spalte.isEmpty())
                zellen << wert;
            else
                zellen[kopf.indexOf(spalte)] = zelle(wert);
        text << zellen.join(u';');
    }
    return text.join(u'\n').toUtf8();
}

Strassenliste gelesen(const QByteArray& inhalt)
{
    ListeGelesen g = strassenlisteAusCsv(inhalt, {});
    if (!g.liste)
        qFatal("Liste abgelehnt: %s", qPrintable(g.fehler));
    return std::move(*g.liste);
}

qsizetype ergebnisspalte(const char* name)
{
    const auto spalten = ergebnisspalten();
    for (std::size_t i = 0; i < spalten.size(); ++i)
        if (spalten[i].name == name)
            return static_cast<qsizetype>(i);
    qFatal("keine Ergebnisspalte %s", name);
}

double zahl(QStringView text) { return zahlAusText(text.toString().toStdString()).value_or(0); }

QString name(const Strassenliste& l, const Listenzeile& z) { return l.eingabe(z, l.eingabespalten[0]); }

// The first label of the column that the sheet shows, as the sheet's CSV writes it.
QString blattzelle(const Blattinhalt& blatt, const Ergebnisspalte& spalte)
{
    for (const Blatttabelle& t : blatt.tabellen)
        for (const Blattzeile& r : t.zeilen)
            for (const Wert& w : r.werte)
                for (const Feld& f : w.teile)
                    if (!r.verborgen && !f.name.empty()
                        && std::find(spalte.felder.begin(), spalte.felder.end(), f.name) != spalte.felder.end())
                        return QString::fromUtf8(csvText({{f.text}}).mid(3).chopped(2)); // without BOM and CRLF
    return {};
}

} // namespace

class StrassenlisteTest : public QObject {
    Q_OBJECT

private slots:
    void refusesTheWholeFileWithOneReason_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("ohne Pfad") << QByteArray("Bezeichnung;Strompreis\nx;15")
                                   << "In der Kopfzeile der Liste fehlt die Spalte „Pfad“.";
        QTest::newRow("eine Spalte, die eine Straße braucht")
            << csv({landes, sanierung}).replace("Wattage des Bestands", "Watt")
            << "In der Kopfzeile der Liste fehlt die Spalte „Wattage des Bestands“ (gebraucht ab Zeile 3).";
        QTest::newRow("nur die Kopfzeile") << QByteArray("Bezeichnung;Pfad\n\n")
                                           << "Die Liste enthält nur die Kopfzeile und keine Straße.";
        QTest::newRow("zu viele Zeilen") << "Bezeichnung;Pfad\n" + QByteArray("x;Sanierung\n").repeated(100001)
                                         << "Die Liste hat mehr als 100.000 Zeilen nach der Kopfzeile; so viele liest "
                                            "der Grobrechner nicht auf einmal. Bitte die Liste aufteilen.";
        QTest::newRow("keine CSV-Datei") << QByteArray("PK\3\4\0\0", 6) << "Die Datei ist keine CSV-Textdatei";
    }
    void refusesTheWholeFileWithOneReason()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, fehler);
        const ListeGelesen g = strassenlisteAusCsv(inhalt, {});
        QVERIFY(!g.liste);
        QVERIFY2(g.fehler.startsWith(fehler), qPrintable(g.fehler));
    }

    void refusesAFileTooLargeOrMissing()
    {
        QTemporaryDir ordner;
        const QString gross = ordner.filePath(QStringLiteral("gross.csv"));
        QFile datei(gross);
        QVERIFY(datei.open(QIODevice::WriteOnly) && datei.resize(groessteListe + 1));
        datei.close();
        QCOMPARE(strassenlisteLesen(gross, {}).fehler,
                 QStringLiteral("Die Datei ist 50,0 MB groß; eine Straßenliste darf höchstens 50 MB groß sein. Bitte "
                                "die Liste aufteilen."));
        QVERIFY(strassenlisteLesen(ordner.filePath(QStringLiteral("fehlt.csv")), {}).fehler.contains(u"gibt es nicht"));
    }

    // One row per kind of fault, each through the rule the screens apply.
    void refusesALineWithItsRowColumnAndReason_data()
    {
        QTest::addColumn<Zeile>("zeile");
        QTest::addColumn<QString>("status");
        const QString zahlen = QStringLiteral("passt nicht; die Eingabe nimmt nur Zahlen %1 mit höchstens %2 Zeichen an");
        const auto row = [](const char* name, const Zeile& z, const QString& status) {
            QTest::newRow(name) << z << QStringLiteral("Zeile 2, ") + status;
        };
        row("fehlt", mit(gemeinde, {{"Strompreis", " "}}), "Strompreis: fehlt");
        row("keine Zahl", mit(landes, {{"Straßenlänge", "zwölf"}}),
            "Straßenlänge: „zwölf“ " + zahlen.arg("über 0").arg(5));
        row("zu viele Zeichen", mit(landes, {{"Straßenlänge", "123456"}}),
            "Straßenlänge: „123456“ " + zahlen.arg("über 0").arg(5));
        row("Punkt statt Komma", mit(sanierung, {{"Strompreis", "15.5"}}),
            "Strompreis: „15.5“ " + zahlen.arg("ab 0").arg(2));
        row("unter der Grenze des Pfads", mit(gemeinde, {{"Strompreis", "0"}}),
            "Strompreis: „0“ " + zahlen.arg("über 0").arg(2));
        row("Dauer 0", mit(gemeinde, {{"nächtliche Abschaltung", "ja"}, {"Abschaltdauer", "0"}}),
            "Abschaltdauer: „0“ " + zahlen.arg("über 0").arg(1));
        row("Höhe nicht angeboten", mit(landes, {{"Lichtpunkthöhe", "4,5"}}),
            "Lichtpunkthöhe: „4,5“ wird nicht angeboten; möglich sind 5, 6, 7, 8 m");
        row("Abstand über der Empfehlung", mit(gemeinde, {{"Lichtpunktabstand", "55"}}),
            "Lichtpunktabstand: Der Lichtpunktabstand 55 m ist größer als die 50 m, die bei 6 m Lichtpunkthöhe möglich "
            "sind.");
        row("Grabung länger als die Straße", mit(landes, {{"Grabungslänge im Asphalt", "2000"}}),
            "Grabungslänge im Asphalt: Die Grabungslänge im Asphalt (2000 m) ist größer als die Straßenlänge (1000 m).");
        row("Abschaltung der Landesstraße", mit(landes, {{"nächtliche Abschaltung", "ja"}}),
            "nächtliche Abschaltung: Auf diesem Pfad wird die Anlage nachts nie abgeschaltet.");
        row("Wort", mit(sanierung, {{"Verteilerneuerrichtung", "vielleicht"}}),
            "Verteilerneuerrichtung: „vielleicht“ passt nicht; möglich ist „ja“ oder „nein“");
        row("Pfad", mit(landes, {{"Pfad", "Bundesstraße"}}),
            "Pfad: „Bundesstraße“ passt nicht; möglich ist „Landesstraße“, „Gemeindestraße“ oder „Sanierung“");
        row("Lampe nicht im Katalog", mit(gemeinde, {{"Leuchtmittel", "LED 35 W"}}),
            "Leuchtmittel: „LED 35 W“ gibt es im Lampenkatalog nicht (geschrieben wie „LED 30 W“ oder „Natriumdampf "
            "70 W“)");
        row("Lampe auf dem Pfad gesperrt", mit(landes, {{"Leuchtmittel", "Natriumdampf 50 W"}}),
            "Leuchtmittel: „Natriumdampf 50 W“ ist auf dem Pfad „Landesstraße“ nicht wählbar");
        row("Lampe des Bestands", mit(sanierung, {{"Leuchtmittel des Bestands", "Glühlampen"}}),
            "Leuchtmittel des Bestands: „Glühlampen“ passt nicht; möglich ist „Quecksilberdampflampen“, "
            "„Leuchtstofflampen“, „Kompaktleuchtstofflampen“, „Natriumdampf-Niederdrucklampen“, "
            "„Natriumdampf-Hochdrucklampen“ oder „Halogen-Metalldampflampen“");
        row("Name zu lang", mit(sanierung, {{"Bezeichnung", QString(81, u'x')}}),
            "Bezeichnung: länger als 80 Zeichen");
        row("Name mit Umbruch", mit(sanierung, {{"Bezeichnung", "Ahorn\nweg"}}),
            "Bezeichnung: enthält einen Zeilenumbruch, ein Steuer- oder ein unsichtbares Formatzeichen");
        row("Dauer ohne Abschaltung", mit(gemeinde, {{"Abschaltdauer", "4"}}),
            "Abschaltdauer: gilt nur, wenn „nächtliche Abschaltung“ „ja“ ist, und muss sonst leer bleiben");
        row("Spalte eines anderen Pfads", mit(sanierung, {{"Straßenlänge", "500"}}),
            "Straßenlänge: gehört nicht zum Pfad „Sanierung“ und muss leer bleiben");
        row("Zelle rechts der Kopfzeile", mit(sanierung, {{"", "x"}}),
            "Spalte F: steht in keiner Spalte der Kopfzeile");
    }
    void refusesALineWithItsRowColumnAndReason()
    {
        QFETCH(Zeile, zeile);
        QFETCH(QString, status);
        const Strassenliste l = gelesen(csv({zeile}));
        QCOMPARE(l.zeilen.front().status(), status);
        QVERIFY(!kalkulationDerZeile(l, l.zeilen.front()));
    }

    // Spelt otherwise, a value reads as its screen takes it, and not as the value the screen opens with.
    void readsWhatAListMaySpellOtherwise_data()
    {
        QTest::addColumn<Zeile>("anders");
        QTest::addColumn<Zeile>("ueblich");
        QTest::addColumn<Zeile>("ohne");
        QTest::newRow("ss und kleine Buchstaben") << mit(landes, {{"Pfad", "landesstrasse"}}) << landes
                                                   << mit(landes, {{"Lichtpunkthöhe", "5"}});
        QTest::newRow("Großbuchstaben") << mit(gemeinde, {{"Verteilerneuerrichtung", "NEIN"}})
                                        << mit(gemeinde, {{"Verteilerneuerrichtung", "nein"}}) << gemeinde;
        QTest::newRow("ae und Leerzeichen")
            << mit(sanierung, {{"Ein-/Ausschaltung des Bestands", " Daemmerungsschalter "}})
            << mit(sanierung, {{"Ein-/Ausschaltung des Bestands", "Dämmerungsschalter"}})
            << mit(sanierung, {{"Ein-/Ausschaltung des Bestands", "astronomisch"}});
        QTest::newRow("Lampe ohne Leerzeichen") << mit(gemeinde, {{"Leuchtmittel", "led 30w"}})
                                               << mit(gemeinde, {{"Leuchtmittel", "LED 30 W"}}) << gemeinde;
        QTest::newRow("Tausenderpunkt") << mit(landes, {{"Straßenlänge", "1.500"}})
                                        << mit(landes, {{"Straßenlänge", "1500"}}) << landes;
        QTest::newRow("Lampe des Bestands")
            << mit(sanierung, {{"Leuchtmittel des Bestands", "natriumdampf-hochdrucklampen"}})
            << mit(sanierung, {{"Leuchtmittel des Bestands", "Natriumdampf-Hochdrucklampen"}}) << sanierung;
        QTest::newRow("Dauer ohne Angabe: 6 Stunden")
            << mit(gemeinde, {{"nächtliche Abschaltung", "ja"}})
            << mit(gemeinde, {{"nächtliche Abschaltung", "ja"}, {"Abschaltdauer", "6"}})
            << mit(gemeinde, {{"nächtliche Abschaltung", "ja"}, {"Abschaltdauer", "5"}});
    }
    void readsWhatAListMaySpellOtherwise()
    {
        QFETCH(Zeile, anders);
        QFETCH(Zeile, ueblich);
        QFETCH(Zeile, ohne);
        const Strassenliste l = gelesen(csv({anders, ueblich, ohne}));
        for (const Listenzeile& z : l.zeilen)
            QCOMPARE(z.status(), berechnetText);
        QCOMPARE(*kalkulationDerZeile(l, l.zeilen[0]), *kalkulationDerZeile(l, l.zeilen[1]));
        QVERIFY(*kalkulationDerZeile(l, l.zeilen[1]) != *kalkulationDerZeile(l, l.zeilen[2]));
    }

    // The planner's columns come back as written, numbers with their groups,
    // formulas defused; the results of an earlier run give way to new ones.
    void writesThePlannersColumnsBackAsRead()
    {
        const Zeile eigene{{"Ortsteil", "=Nord"}, {"Priorität", "1.250"}, {"Status", "alt"}};
        QByteArray inhalt = "\xEF\xBB\xBF" + csv({mit(landes, eigene + Zeile{{"Straßenlänge", "1.000"}}),
                                                  mit(sanierung, {{"Strompreis", ""}})});
        inhalt.insert(inhalt.indexOf('\n'), "\n;;\n"); // an empty line, counted as the spreadsheet counts it
        const Strassenliste l = gelesen(inhalt);
        QCOMPARE(l.zeilen[1].status(), QStringLiteral("Zeile 5, Strompreis: fehlt"));

        const QByteArray aus = listeAlsCsv(l);
        QVERIFY(aus.startsWith("\xEF\xBB\xBF") && aus.endsWith("\r\n"));
        const CsvGelesen wieder = csvLesen(aus);
        QVERIFY(wieder.tabelle);
        const Csvtabelle& t = *wieder.tabelle;
        QCOMPARE(t.kopf.mid(0, l.kopf.size()), l.kopf);
        QVERIFY(!l.kopf.contains(QStringLiteral("Status")) && t.kopf.count(QStringLiteral("Status")) == 1);
        QCOMPARE(t.kopf.size(), l.kopf.size() + 1 + static_cast<qsizetype>(ergebnisspalten().size()));
        QCOMPARE(t.zeilen.size(), l.zeilen.size());
        const QStringList erste = t.zeilen[0].zellen;
        QCOMPARE(erste[l.kopf.indexOf(QStringLiteral("Ortsteil"))], QStringLiteral("'=Nord"));
        QCOMPARE(erste[l.kopf.indexOf(QStringLiteral("Priorität"))], QStringLiteral("1.250"));
        QCOMPARE(erste[l.kopf.indexOf(QStringLiteral("Straßenlänge"))], QStringLiteral("1.000"));
        QCOMPARE(erste[l.kopf.size()], berechnetText);
        QCOMPARE(t.zeilen[1].zellen[l.kopf.size()], l.zeilen[1].fehler);
        // The figures as the sheet's CSV writes them: no groups.
        const QString investition = erste[l.kopf.size() + 1 + ergebnisspalte("Investition €")];
        QVERIFY2(zahl(investition) > 1000 && !investition.contains(u'.'), qPrintable(investition));
    }

    void totalsAddUpTheColumns()
    {
        const Strassenliste l = gelesen(csv({landes, sanierung, mit(sanierung, {{"Wattage des Bestands", "250"}}),
                                             mit(gemeinde, {{"Strompreis", ""}})}));
        const auto summe = [&](const char* spalte) {
            double s = 0;
            for (const Listenzeile& z : l.zeilen)
                s += zahl(l.ergebnis(z, ergebnisspalte(spalte)));
            return s;
        };
        QCOMPARE(l.summe.berechnet, 3);
        QCOMPARE(l.summe.nichtBerechnet, 1);
        QCOMPARE(l.summe.investition, summe("Investition €"));
        QCOMPARE(l.summe.betriebJahrNachher, summe("Betriebskosten 25 Jahre €") / 25);
        QCOMPARE(l.summe.betriebJahrVorher, summe("Betriebskosten Bestand 25 Jahre €") / 25);
        QCOMPARE(l.summe.ersparnis25, summe("Gesamtersparnis 25 Jahre €"));
        QCOMPARE(l.summe.co2JahrNachher, summe("CO₂ pro Jahr t"));
        QCOMPARE(l.summe.co2JahrVorher, summe("CO₂ Bestand pro Jahr t"));
        QVERIFY(l.summe.betriebJahrVorher > 0 && l.summe.co2JahrVorher > 0 && l.summe.ersparnis25 != 0);
        QCOMPARE(fehlerzeile(l.summe), QStringLiteral("1 Zeile nicht berechnet – siehe Spalte Status"));
    }

    // Renovations by payback, the shortest first and those beyond 25 years last; then new streets; then what failed.
    void ordersRenovationsByPaybackThenNewStreets()
    {
        const auto san = [](const char* name, const char* watt, const char* lampe) {
            return mit(sanierung, {{"Bezeichnung", name}, {"Wattage des Bestands", watt}, {"Leuchtmittel", lampe}});
        };
        const Strassenliste l = gelesen(
            csv({mit(landes, {{"Bezeichnung", "neu 1"}}), san("mittel", "125", "LED 40 W"),
                 mit(sanierung, {{"Bezeichnung", "Fehler"}, {"Strompreis", ""}}), san("nie", "20", "Halogen-Metalldampf 150 W"),
                 mit(gemeinde, {{"Bezeichnung", "neu 2"}}), san("kurz", "250", "LED 30 W")}));
        QStringList reihe;
        for (int i : l.rangfolge)
            reihe << name(l, l.zeilen[static_cast<std::size_t>(i)]);
        QCOMPARE(reihe, (QStringList{"kurz", "mittel", "nie", "neu 1", "neu 2", "Fehler"}));
        const auto amo = [&](int i) { return zahl(l.ergebnis(l.zeilen[i], ergebnisspalte("Amortisation Jahre"))); };
        QVERIFY(amo(5) < amo(1) && amo(1) <= 25);
        QVERIFY(amo(3) < 0 || amo(3) > 25 || l.ergebnis(l.zeilen[3], ergebnisspalte("Amortisation Jahre")) == u"–");
    }

    void templateAndExampleReadAsIntended_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("abgelehnt");
        QTest::newRow("Vorlage") << listenvorlage() << 0;
        QFile beispiel(QStringLiteral(GROBRECHNER_BEISPIELLISTE));
        QVERIFY(beispiel.open(QIODevice::ReadOnly));
        QTest::newRow("Beispiel") << beispiel.readAll() << 1;
    }
    // Each computed line's results in the CSV are its sheet's figures as the
    // engine computes the street; a renovation's sheet has every one of them.
    void templateAndExampleReadAsIntended()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, abgelehnt);
        const Strassenliste l = gelesen(inhalt);
        QCOMPARE(l.summe.nichtBerechnet, abgelehnt);
        const CsvGelesen aus = csvLesen(listeAlsCsv(l));
        QVERIFY(aus.tabelle);
        QSet<Pfad> pfade;
        for (std::size_t i = 0; i < l.zeilen.size(); ++i) {
            const Listenzeile& z = l.zeilen[i];
            if (!z.berechnet())
                continue;
            pfade.insert(*z.pfad);
            const Blattinhalt blatt = berechnen(*kalkulationDerZeile(l, z), l.grundlage).blatt(Schritt::Ergebnisblatt);
            QStringList erwartet;
            for (const Ergebnisspalte& s : ergebnisspalten())
                erwartet << blattzelle(blatt, s);
            QCOMPARE(aus.tabelle->zeilen[i].zellen.mid(l.kopf.size() + 1), erwartet);
            QVERIFY(*z.pfad != Pfad::Sanierung || !erwartet.contains(QString()));
        }
        QCOMPARE(pfade.size(), 3);
    }
};

QTEST_GUILESS_MAIN(StrassenlisteTest)
#include "test_strassenliste.moc"
