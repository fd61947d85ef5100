// Street lists as spreadsheets save them: the separator the header tells,
// quotes, line ends and row numbers as the spreadsheet shows them, both
// encodings, and a plain message for every file refused as a whole.
#include "csvlesen.h"

#include <QtTest>

using namespace grobrechner;

namespace {

// A record as "row:cell|cell|…", so that a row of test data holds a whole table.
QStringList alsText(const std::vector<Csvzeile>& zeilen)
{
    QStringList text;
    for (const Csvzeile& z : zeilen)
        text << QStringLiteral("%1:%2").arg(z.zeile).arg(z.zellen.join(QLatin1Char('|')));
    return text;
}

} // namespace

class CsvlesenTest : public QObject {
    Q_OBJECT

private slots:
    void readsTheTable_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QChar>("trenner");
        QTest::addColumn<QStringList>("kopf");
        QTest::addColumn<QStringList>("zeilen");
        const QStringList nameLaenge{"Bezeichnung", "Länge"};
        QTest::newRow("Semikolon") << QByteArray("Bezeichnung;Länge\nAhornweg;1.250\n") << QChar(u';') << nameLaenge
                                   << QStringList{"2:Ahornweg|1.250"};
        QTest::newRow("Tabulator") << QByteArray("Bezeichnung\tLänge\nAhornweg\t1.250") << QChar(u'\t') << nameLaenge
                                   << QStringList{"2:Ahornweg|1.250"};
        QTest::newRow("Komma") << QByteArray("Bezeichnung,Länge\nAhornweg,1250") << QChar(u',') << nameLaenge
                               << QStringList{"2:Ahornweg|1250"};
        QTest::newRow("Semikolon vor Komma") << QByteArray("Name;Länge, m\nAhornweg;1,5") << QChar(u';')
                                             << QStringList{"Name", "Länge, m"} << QStringList{"2:Ahornweg|1,5"};
        QTest::newRow("Semikolon nur in Anführungszeichen")
            << QByteArray("\"Länge; m\",Name\n1.5,Ahornweg") << QChar(u',') << QStringList{"Länge; m", "Name"}
            << QStringList{"2:1.5|Ahornweg"};
        QTest::newRow("Tabulator nur in Anführungszeichen")
            << QByteArray("\"Name\",\"Länge\tin m\"\nx,1") << QChar(u',') << QStringList{"Name", "Länge\tin m"}
            << QStringList{"2:x|1"};
        QTest::newRow("eine Spalte") << QByteArray("Bezeichnung\nAhornweg;Süd") << QChar(u';')
                                     << QStringList{"Bezeichnung"} << QStringList{"2:Ahornweg|Süd"};
        QTest::newRow("Trenner, Umbruch und \"\" in Anführungszeichen")
            << QByteArray("A;B\n\"Ahornweg; Süd\";\"Sie sagt \"\"ja\"\"\r\nund geht\"\n") << QChar(u';')
            << QStringList{"A", "B"} << QStringList{"2:Ahornweg; Süd|Sie sagt \"ja\"\r\nund geht"};
        QTest::newRow("Zeilennummern mit Umbruch in der Zelle und Leerzeilen")
            << QByteArray("A;B\r\n\"x\ny\";1\n\r\n ; ;\rz;2\r\n\n") << QChar(u';') << QStringList{"A", "B"}
            << QStringList{"2:x\ny|1", "5:z|2"};
        QTest::newRow("Leerzeilen vor der Kopfzeile") << QByteArray("\n;;\nA;B\nx;y") << QChar(u';')
                                                      << QStringList{"A", "B"} << QStringList{"4:x|y"};
        QTest::newRow("kurze Zeile aufgefüllt, lange behalten")
            << QByteArray("A;B;C\nx\nx;y;z;w\n") << QChar(u';') << QStringList{"A", "B", "C"}
            << QStringList{"2:x||", "3:x|y|z|w"};
        QTest::newRow("leere Namen am Ende des Kopfs") << QByteArray("A;B;;\nx;y;;\n") << QChar(u';')
                                                       << QStringList{"A", "B"} << QStringList{"2:x|y||"};
        QTest::newRow("Leerzeichen um die Zellen")
            << QByteArray(" Name ;\" Wert \"\n Ahornweg ; 1.250 \n  \" Birkenweg \" ;\"a\" b \n") << QChar(u';')
            << QStringList{"Name", "Wert"} << QStringList{"2:Ahornweg|1.250", "3: Birkenweg |a b"};
        QTest::newRow("Anführungszeichen mitten in der Zelle")
            << QByteArray("Name;Wert\n12\" Mast;a\"b\"\n") << QChar(u';') << QStringList{"Name", "Wert"}
            << QStringList{"2:12\" Mast|a\"b\""};
        QTest::newRow("ß ist nicht SS") << QByteArray("Straßenlänge;STRASSENLÄNGE\n1;2") << QChar(u';')
                                        << QStringList{"Straßenlänge", "STRASSENLÄNGE"} << QStringList{"2:1|2"};
    }
    void readsTheTable()
    {
        QFETCH(QByteArray, inhalt);
        const CsvGelesen g = csvLesen(inhalt);
        QVERIFY2(g.tabelle, qPrintable(g.fehler));
        QTEST(g.tabelle->trenner, "trenner");
        QTEST(g.tabelle->kopf, "kopf");
        QTEST(alsText(g.tabelle->zeilen), "zeilen");
    }

    void readsBothEncodings_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<QString>("text");
        const QString strasse = QStringLiteral("Straßenlänge;Kosten;Ahornweg;„1.250 €“");
        const QByteArray alsUtf8 = "Straßenlänge;Kosten\r\nAhornweg;„1.250 €“\r\n";
        QTest::newRow("UTF-8") << alsUtf8 << true << strasse;
        QTest::newRow("UTF-8 mit Byte-Order-Mark") << "\xEF\xBB\xBF" + alsUtf8 << true << strasse;
        QTest::newRow("Windows-1252") << QByteArray("Stra\xDF" "enl\xE4" "nge;Kosten\r\nAhornweg;\x84" "1.250 \x80\x93")
                                      << false << strasse;
        // UTF-8 would take the "ß" for the start of a character cut off.
        QTest::newRow("Windows-1252, ß am Ende") << QByteArray("Name\nWeg am Flie\xDF") << false
                                                  << QStringLiteral("Name;Weg am Fließ");
    }
    void readsBothEncodings()
    {
        QFETCH(QByteArray, inhalt);
        const CsvGelesen g = csvLesen(inhalt);
        QVERIFY2(g.tabelle, qPrintable(g.fehler));
        QTEST(g.tabelle->utf8, "utf8");
        QCOMPARE(g.tabelle->zeilen.size(), std::size_t{1});
        QTEST(g.tabelle->kopf.join(u';') + u';' + g.tabelle->zeilen.front().zellen.join(u';'), "text");
    }

    void readsUpToTheLimit()
    {
        const CsvGelesen g = csvLesen("A\n1\n\n2\n", 2);
        QVERIFY2(g.tabelle, qPrintable(g.fehler));
        QCOMPARE(alsText(g.tabelle->zeilen), (QStringList{"2:1", "4:2"}));
    }

    void refusesTheWholeFile_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("hoechsteZeilen");
        QTest::addColumn<QString>("meldung");
        const QString leer = QStringLiteral("Die Liste ist leer");
        QTest::newRow("leer") << QByteArray() << 10 << leer;
        QTest::newRow("nur Byte-Order-Mark") << QByteArray("\xEF\xBB\xBF") << 10 << leer;
        QTest::newRow("nur Leerzeilen und Trenner") << QByteArray("\r\n ;;\n\t\n") << 10 << leer;
        QTest::newRow("zu viele Zeilen") << QByteArray("A\n1\n\n2\n3\n") << 2 << "mehr als 2 Zeilen nach der Kopfzeile";
        QTest::newRow("Grenze mit Tausenderpunkt")
            << "A\n" + QByteArray("x\n").repeated(1001) << 1000 << "mehr als 1.000 Zeilen";
        QTest::newRow("Anführungszeichen nicht geschlossen")
            << QByteArray("A;B\nx;1\n\n\"y\n;2\n") << 10 << "Zeile 4, Spalte A: Das Anführungszeichen";
        QTest::newRow("Kopf mit offenem Anführungszeichen nach dem Trenner")
            << QByteArray("Name;\"Länge, m\nx;1") << 10 << "Zeile 1, Spalte B: Das Anführungszeichen";
        QTest::newRow("leerer Spaltenname") << QByteArray("Name;;Länge\n") << 10
                                            << "Zeile 1: Die Spalte B hat keine Überschrift";
        QTest::newRow("Kopf aus Leerzeichen in Anführungszeichen")
            << QByteArray("\" \";\" \"\nx") << 10 << "Zeile 1: Die Spalte A hat keine Überschrift";
        QTest::newRow("doppelter Spaltenname") << QByteArray("\nLänge;Name;LÄNGE\n") << 10
                                               << "Zeile 2: Die Überschrift „LÄNGE“ der Spalte C steht schon als "
                                                  "„Länge“ über Spalte A";
        QTest::newRow("Arbeitsmappe") << QByteArray("PK\x03\x04\x14\0\0\0", 8) << 10 << "keine CSV-Textdatei";
        QTest::newRow("UTF-8 mit Windows-1252-Zeilen")
            << QByteArray("Straße;Länge\nAhornweg;1\n\"M\xFC" "ller\nweg\";2\nx;\xE4") << 10
            << "in UTF-8 geschrieben, in Zeile 3 aber";
        QTest::newRow("Byte-Order-Mark vor Windows-1252")
            << QByteArray("\xEF\xBB\xBF" "Name\n\nM\xFC" "ller") << 10 << "in UTF-8 geschrieben, in Zeile 3 aber";
    }
    void refusesTheWholeFile()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, hoechsteZeilen);
        QFETCH(QString, meldung);
        const CsvGelesen g = csvLesen(inhalt, hoechsteZeilen);
        QVERIFY(!g.tabelle);
        QVERIFY2(g.fehler.contains(meldung), qPrintable(g.fehler));
    }
};

QTEST_GUILESS_MAIN(CsvlesenTest)
#include "test_csvlesen.moc"
