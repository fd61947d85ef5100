// The program on the command line: its exit codes and messages, and that the
// sheet it writes without a window is the one the screens write.
#include "dateischreiben.h"
#include "kalkulationsdatei.h"
#include "strassenliste.h"
#include "testhilfen.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace grobrechner;
using namespace grobrechner::test;

namespace {

struct Lauf {
    int code;
    QString ausgabe; // stdout and stderr
};

// `dateigrenze` > 0 limits the size of every file the program writes, as a
// full disk does.
Lauf starten(const QStringList& argumente, bool mitBildschirm, rlim_t dateigrenze = 0)
{
    QProcess p;
    if (dateigrenze > 0)
        p.setChildProcessModifier([dateigrenze] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit grenze{dateigrenze, dateigrenze};
            ::setrlimit(RLIMIT_FSIZE, &grenze);
        });
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    if (!mitBildschirm)
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            umgebung.remove(QString::fromLatin1(name));
    p.setProcessEnvironment(umgebung);
    p.start(QStringLiteral(GROBRECHNER_PROGRAMM), argumente);
    if (!p.waitForFinished(60000))
        return {-1, QStringLiteral("hängt")};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
}

// A renovation with its operating costs, and one saved before them.
Kalkulation sanierung(int schritt)
{
    Kalkulation k{Pfad::Sanierung, *schrittNummer(schritt), {}};
    k.daten.bezeichnung = "Ahornweg";
    k.daten.anzahllp = 30;
    eintrittswerteSetzen(k.daten, Pfad::Sanierung);
    k.daten.strompreis = 15;
    return k;
}

} // namespace

class BefehlszeileTest : public Programmtest {
    Q_OBJECT

    QTemporaryDir ordner;

    QString pfad(const QString& name) const { return ordner.filePath(name); }

private slots:
    void initTestCase()
    {
        QCOMPARE(kalkulationSpeichern(pfad(QStringLiteral("blatt.grob")), sanierung(5), {}), QString());
        QCOMPARE(kalkulationSpeichern(pfad(QStringLiteral("frueh.grob")), sanierung(2), {}), QString());
        QVERIFY(QFile::link(pfad(QStringLiteral("blatt.grob")), pfad(QStringLiteral("verweis.grob"))));
        for (const char* name : {"pipe.grob", "aus.pipe"})
            QCOMPARE(::mkfifo(QFile::encodeName(pfad(QString::fromLatin1(name))).constData(), 0600), 0);
        // A list computed whole, and one with a line that lacks its light points.
        QCOMPARE(dateiSchreiben(pfad(QStringLiteral("vorlage.csv")), listenvorlage()), QString());
        QCOMPARE(dateiSchreiben(pfad(QStringLiteral("liste.csv")), listenvorlage() + "Ulmenweg;Sanierung\r\n"),
                 QString());
        QVERIFY(QFile::link(pfad(QStringLiteral("liste.csv")), pfad(QStringLiteral("liste-verweis.csv"))));
    }

    void answersWithItsExitCodeAndAGermanMessage_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<bool>("mitBildschirm");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("ausgabe");
        QTest::addColumn<QByteArray>("dateianfang"); // of aus.*; empty: none is written
        const QString version = QStringLiteral("Grobrechner " GROBRECHNER_VERSION "\n");
        QTest::newRow("Hilfe") << QStringList{"--help"} << false << 0 << "--pdf <AUS.pdf>" << QByteArray();
        QTest::newRow("Version") << QStringList{"--version"} << false << 0 << version << QByteArray();
        QTest::newRow("unbekannte Option") << QStringList{"--drucken"} << true << 2 << "Unbekannte Option 'drucken'."
                                           << QByteArray();
        QTest::newRow("unbekannte Option ohne Bildschirm")
            << QStringList{"--drucken"} << false << 2 << "Unbekannte Option 'drucken'." << QByteArray();
        QTest::newRow("PDF ohne Namen") << QStringList{"--pdf"} << false << 2 << "Nach '--pdf' fehlt der Wert."
                                        << QByteArray();
        QTest::newRow("PDF ohne Kalkulation") << QStringList{"--pdf", "aus.pdf"} << false << 2
                                              << "Zu --pdf gehört die Kalkulation" << QByteArray();
        QTest::newRow("PDF und CSV") << QStringList{"--pdf", "aus.pdf", "--csv", "aus.csv", "blatt.grob"} << false << 2
                                     << "nur eine von --pdf und --csv" << QByteArray();
        QTest::newRow("zwei Kalkulationen") << QStringList{"blatt.grob", "frueh.grob"} << true << 2
                                            << "nur eine Kalkulation" << QByteArray();
        QTest::newRow("Fenster ohne Bildschirm")
            << QStringList{"blatt.grob"} << false << 1 << "Es ist kein Bildschirm zu finden" << QByteArray();
        QTest::newRow("fehlende Kalkulation") << QStringList{"--csv", "aus.csv", "fehlt.grob"} << false << 1
                                              << "Datei nicht lesbar: Die Datei „fehlt.grob“ lässt sich nicht "
                                                 "öffnen: Die Datei gibt es nicht."
                                              << QByteArray();
        QTest::newRow("vor den Betriebskosten gespeichert")
            << QStringList{"--csv", "aus.csv", "frueh.grob"} << false << 1 << "vor den Betriebskosten gespeichert"
            << QByteArray();
        QTest::newRow("Ziel nicht beschreibbar") << QStringList{"--pdf", "fehlt/aus.pdf", "blatt.grob"} << false << 1
                                                 << "wurde nicht gespeichert" << QByteArray();
        QTest::newRow("PDF mit leerem Namen") << QStringList{"--pdf=", "blatt.grob"} << false << 2
                                              << "Zu --pdf gehört der Name der Datei" << QByteArray();
        QTest::newRow("Ausgabe ist die Kalkulation")
            << QStringList{"--csv", "blatt.grob", "blatt.grob"} << false << 2 << "ist die Kalkulation selbst"
            << QByteArray();
        QTest::newRow("Ausgabe ist die Kalkulation über einen Verweis")
            << QStringList{"--pdf", "verweis.grob", "blatt.grob"} << false << 2 << "ist die Kalkulation selbst"
            << QByteArray();
        QTest::newRow("Pipe als Kalkulation") << QStringList{"--csv", "aus.csv", "pipe.grob"} << false << 1
                                              << "keine gewöhnliche Datei, sondern eine benannte Pipe" << QByteArray();
        QTest::newRow("Pipe als Ausgabe") << QStringList{"--csv", "aus.pipe", "blatt.grob"} << false << 1
                                          << "keine gewöhnliche Datei, sondern eine benannte Pipe" << QByteArray();
        QTest::newRow("CSV") << QStringList{"--csv", "aus.csv", "blatt.grob"} << false << 0 << QString()
                             << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("PDF") << QStringList{"--pdf", "aus.pdf", "blatt.grob"} << false << 0 << QString()
                             << QByteArray("%PDF");
        const QString abgelehnt = QStringLiteral("grobrechner: Zeile 5, Anzahl der zu sanierenden Lichtpunkte: fehlt");
        QTest::newRow("Hilfe zur Liste") << QStringList{"--help"} << false << 0 << "--liste <LISTE.csv>" << QByteArray();
        QTest::newRow("Liste ganz berechnet") << QStringList{"--liste", "vorlage.csv", "--csv", "aus.csv"} << false
                                              << 0 << QString() << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("Liste mit abgelehnter Zeile") << QStringList{"--liste", "liste.csv", "--csv", "aus.csv"}
                                                     << false << 3 << abgelehnt << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("Liste als PDF") << QStringList{"--liste", "liste.csv", "--pdf", "aus.pdf"} << false << 3
                                       << abgelehnt << QByteArray("%PDF");
        QTest::newRow("Liste fehlt") << QStringList{"--liste", "fehlt.csv", "--csv", "aus.csv"} << false << 1
                                     << "Die Datei „fehlt.csv“ lässt sich nicht öffnen" << QByteArray();
        QTest::newRow("Liste ist keine Liste") << QStringList{"--liste", "blatt.grob", "--csv", "aus.csv"} << false
                                               << 1 << "fehlen die Spalten „Bezeichnung“ und „Pfad“" << QByteArray();
        QTest::newRow("Liste ohne Ausgabe") << QStringList{"--liste", "liste.csv"} << false << 2
                                            << "Zu --liste gehört genau eine von --csv und --pdf" << QByteArray();
        QTest::newRow("Liste mit Kalkulation") << QStringList{"--liste", "liste.csv", "--csv", "aus.csv", "blatt.grob"}
                                               << false << 2 << "Zu --liste gehört keine Kalkulation" << QByteArray();
        QTest::newRow("Ausgabe ist die Liste")
            << QStringList{"--liste", "liste.csv", "--csv", "liste-verweis.csv"} << false << 2
            << "ist die Straßenliste selbst" << QByteArray();
        QTest::newRow("Vorlage") << QStringList{"--vorlage", "aus.csv"} << false << 0 << QString()
                                 << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("Vorlage mit Liste") << QStringList{"--vorlage", "aus.csv", "--liste", "liste.csv"} << false << 2
                                           << "--vorlage steht allein" << QByteArray();
    }
    void answersWithItsExitCodeAndAGermanMessage()
    {
        QFETCH(QStringList, argumente);
        QFETCH(bool, mitBildschirm);
        QFETCH(int, code);
        QFETCH(QString, ausgabe);
        QFETCH(QByteArray, dateianfang);
        QDir::setCurrent(ordner.path());
        for (const QString& alt : QDir().entryList({QStringLiteral("aus.*")}))
            if (alt != QStringLiteral("aus.pipe"))
                QFile::remove(alt);
        const Lauf lauf = starten(argumente, mitBildschirm);
        QVERIFY2(lauf.ausgabe.contains(ausgabe), qPrintable(lauf.ausgabe));
        QCOMPARE(lauf.code, code);
        // Neither the calculation, the list nor the pipe was replaced.
        QVERIFY(kalkulationLesen(QStringLiteral("blatt.grob")).kalkulation);
        QCOMPARE(strassenlisteLesen(QStringLiteral("liste.csv"), {}).liste->zeilen.size(), std::size_t{4});
        struct stat pipe {};
        QVERIFY(::stat("aus.pipe", &pipe) == 0 && S_ISFIFO(pipe.st_mode));
        QStringList aus = QDir().entryList({QStringLiteral("aus.*")});
        aus.removeOne(QStringLiteral("aus.pipe"));
        if (dateianfang.isEmpty()) {
            QCOMPARE(aus, QStringList());
        } else {
            QFile f(aus.value(0));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.readAll().startsWith(dateianfang));
        }
    }

    // On a full disk the old sheet stays as it was, and the run fails saying why.
    void aFullDiskKeepsTheOldSheet_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("CSV") << "--csv";
        QTest::newRow("PDF") << "--pdf";
    }
    void aFullDiskKeepsTheOldSheet()
    {
        QFETCH(QString, option);
        const QString aus = pfad(QStringLiteral("alt") + option.mid(1));
        const QByteArray alt(200, 'a');
        QFile f(aus);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(alt) == alt.size());
        f.close();
        const Lauf lauf = starten({option, aus, pfad(QStringLiteral("blatt.grob"))}, false, 1000);
        QCOMPARE(lauf.code, 1);
        QVERIFY2(lauf.ausgabe.contains(QStringLiteral("größer, als der Datenträger")), qPrintable(lauf.ausgabe));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), alt);
    }

    // Files the first file format saved, with the sheets the program wrote of
    // them then: they open with the settings of whoever opens them and give
    // the same sheet, byte for byte — with the economic figures of today
    // added as a block of their own. (The municipal road's LED luminaires
    // came with their first heads all along; that sheet shows the lamp and
    // maintenance costs they have since they are no longer bought twice.)
    void aFileOfTheFirstFormatGivesTheSheetItAlwaysGave_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"landesstrasse", "gemeindestrasse", "sanierung"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void aFileOfTheFirstFormatGivesTheSheetItAlwaysGave()
    {
        QFETCH(QString, name);
        const QString ordner = QStringLiteral(GROBRECHNER_FORMAT1 "/");
        const QString aus = pfad(name + QStringLiteral(".csv"));
        const Lauf lauf = starten({"--csv", aus, ordner + name + QStringLiteral(".grob")}, false);
        QVERIFY2(lauf.code == 0, qPrintable(lauf.ausgabe));
        QFile damals(ordner + name + QStringLiteral(".csv")), heute(aus);
        QVERIFY(damals.open(QIODevice::ReadOnly) && heute.open(QIODevice::ReadOnly));
        QByteArray ohneWirtschaft = heute.readAll();
        const qsizetype anfang = ohneWirtschaft.indexOf("Wirtschaftlichkeit\r\n");
        const qsizetype ende = ohneWirtschaft.indexOf("\r\n", ohneWirtschaft.indexOf("Kalkulationszins", anfang));
        QVERIFY(anfang > 0 && ende > anfang);
        ohneWirtschaft.remove(anfang, ende + 2 - anfang);
        QCOMPARE(ohneWirtschaft, damals.readAll());
    }

    // A file keeps the basis its figures were computed with: settings of
    // one's own on another machine change none of them.
    void aFileKeepsItsPricesWhateverTheSettings()
    {
        Berechnungsgrundlage grundlage;
        grundlage.preise.preisindex = 185;
        grundlage.preise.co2faktor = 400;
        QCOMPARE(kalkulationSpeichern(pfad(QStringLiteral("eigen.grob")), sanierung(5), grundlage), QString());
        const auto blatt = [&] {
            const QString aus = pfad(QStringLiteral("eigen.csv"));
            const Lauf lauf = starten({"--csv", aus, pfad(QStringLiteral("eigen.grob"))}, false);
            QFile f(aus);
            return lauf.code == 0 && f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : lauf.ausgabe;
        };
        const QString ohneEinstellungen = blatt();
        QVERIFY2(ohneEinstellungen.contains(QStringLiteral("Datenbasis: Preise aus der Datei: Eigene Preise, Preisindex "
                                                           "185 % gegenüber April 2009; CO₂-Faktor 400 g/kWh")),
                 qPrintable(ohneEinstellungen));
        // The program's settings, as it finds them (the tests keep them in a folder of their own).
        QSettings andere(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                             + QStringLiteral("/Lumenstelle/Grobrechner.conf"),
                         QSettings::IniFormat);
        andere.setValue(QStringLiteral("Preise/preisindex"), 150);
        andere.setValue(QStringLiteral("Preise/co2faktor"), 300);
        andere.sync();
        const auto weg = qScopeGuard([&] { QFile::remove(andere.fileName()); });
        QCOMPARE(blatt(), ohneEinstellungen);
    }

    void writesTheSheetTheScreensShow()
    {
        // The same file, once through the command line and once opened in the
        // program and exported from its sheet.
        const QString befehlszeile = pfad(QStringLiteral("befehlszeile.csv"));
        QCOMPARE(starten({"--csv", befehlszeile, pfad(QStringLiteral("blatt.grob"))}, false).code, 0);
        QVERIFY(a->oeffnen(pfad(QStringLiteral("blatt.grob"))));
        const QString bildschirm = pfad(QStringLiteral("bildschirm.csv"));
        QCOMPARE(schritt(5)->csvSchreiben(bildschirm), QString());
        QFile b(befehlszeile), s(bildschirm);
        QVERIFY(b.open(QIODevice::ReadOnly) && s.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), s.readAll());
    }
};

QTEST_MAIN(BefehlszeileTest)
#include "test_befehlszeile.moc"
