// Calculation files: what is written reads back, every kind of bad file is
// refused with its own plain message, an interrupted save keeps the old file;
// and the CSV text a spreadsheet reads.
#include "csvtext.h"
#include "dateischreiben.h"
#include "eingabefelder.h"
#include "kalkulationsdatei.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace grobrechner;

namespace {

// A calculation whose every input differs from the start values and from the
// values the operating step starts with.
Kalkulation beispiel(Pfad pfad, Schritt schritt)
{
    Kalkulationsdaten d;
    d.bezeichnung = "Ahornweg „Süd“; 2. Bauabschnitt";
    d.leuchtenart = Leuchtenart::dekorativ;
    d.strlaenge = 999.5f;
    d.lphoehe = pfad == Pfad::Gemeindestrasse ? 4.5f : 8;
    d.lpabstand = 18;
    d.anzahllp = 2.5f;
    d.verteiler = false;
    d.mast = true;
    d.grabungsl = 0.1f;
    d.lampe = lampeMitOption("Option11");
    d.schaltung = {Einschaltung::Astronomisch, pfad != Pfad::Landesstrasse, 4, true};
    d.strompreis = 12;
    d.wattageb = 125;
    d.bestandslampe = bestandslampeMitOption("Option27");
    d.schaltungb = {Einschaltung::Astronomisch, true, 3, true};
    // Only the path's inputs up to the step travel in a file.
    Kalkulation k{pfad, schritt, {}};
    for (Schritt s : alleSchritte)
        if (nummer(s) <= nummer(schritt))
            for (Eingabefeld f : eingabefelder(pfad, s))
                uebernehmen(k.daten, d, f);
    return k;
}

QJsonObject alsObjekt(const Kalkulation& k) { return QJsonDocument::fromJson(kalkulationAlsJson(k, {})).object(); }
QByteArray alsText(const QJsonObject& o) { return QJsonDocument(o).toJson(); }

// The example of a step-5 file with one change made to it.
QByteArray geaendert(Pfad pfad, const std::function<void(QJsonObject& datei, QJsonObject& eingaben)>& aendern)
{
    QJsonObject datei = alsObjekt(beispiel(pfad, Schritt::Ergebnisblatt));
    QJsonObject eingaben = datei.value(QStringLiteral("eingaben")).toObject();
    aendern(datei, eingaben);
    datei.insert(QStringLiteral("eingaben"), eingaben);
    return alsText(datei);
}

QByteArray mitEingabe(Pfad pfad, const char* schluessel, const QJsonValue& wert)
{
    return geaendert(pfad, [&](QJsonObject&, QJsonObject& e) {
        if (wert.isUndefined())
            e.remove(QString::fromUtf8(schluessel));
        else
            e.insert(QString::fromUtf8(schluessel), wert);
    });
}

QString dateiinhalt(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<fehlt>");
}

} // namespace

class KalkulationsdateiTest : public QObject {
    Q_OBJECT

private slots:
    void readsBackExactlyWhatItWrote_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<Schritt>("schritt");
        for (Pfad pfad : allePfade)
            for (Schritt schritt : {Schritt::Kosten, Schritt::Betriebseingabe, Schritt::Ergebnisblatt})
                QTest::addRow("Pfad %d, Schritt %d", static_cast<int>(pfad), nummer(schritt)) << pfad << schritt;
    }
    void readsBackExactlyWhatItWrote()
    {
        QFETCH(Pfad, pfad);
        QFETCH(Schritt, schritt);
        const Kalkulation k = beispiel(pfad, schritt);
        // A basis with every kind of figure of its own, among them a lamp's price.
        Berechnungsgrundlage eigene;
        eigene.preise.preisindex = 185;
        eigene.preise.co2faktor = 400.5f;
        eigene.preise.zins = 3.5f;
        eigene.preise.steigerung = -1;
        eigene.preise.foerderquote = 25;
        eigene.preise.sanVerteiler = 8200;
        eigene.preise.lampenpreise[katalogindex(*lampeMitSchluessel("LED 30 W"))] = 250.5f;
        const Gelesen g = kalkulationAusJson(kalkulationAlsJson(k, eigene));
        QVERIFY2(g.kalkulation, qPrintable(g.fehler));
        QCOMPARE(g.kalkulation->pfad, pfad);
        QCOMPARE(g.kalkulation->schritt, schritt);
        QVERIFY(g.kalkulation->daten == k.daten);
        QVERIFY(g.grundlage && g.grundlage->ausDatei && g.grundlage->preise == eigene.preise);
    }

    void writesNumbersAsTheUserTypedThem()
    {
        // 0,1 m kept as a float is 0.100000001…; the file says what was typed.
        const QByteArray json = kalkulationAlsJson(beispiel(Pfad::Landesstrasse, Schritt::Eingabe), {});
        QVERIFY2(json.contains("\"grabungsl\": 0.1,"), json.constData());
    }

    void refusesABadFileWithItsFirstProblem_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        const Pfad L = Pfad::Landesstrasse, G = Pfad::Gemeindestrasse, S = Pfad::Sanierung;
        QByteArray latin1 = kalkulationAlsJson(beispiel(L, Schritt::Eingabe), {});
        latin1.replace("\xC3\xBC", "\xFC"); // the "ü" of "Süd" in Latin-1
        QTest::newRow("leer") << QByteArray(" \n") << "Die Datei ist leer.";
        QTest::newRow("kein JSON") << QByteArray("Hallo Welt") << "Ihr Inhalt ist kein JSON.";
        QTest::newRow("fehlerhaftes JSON") << QByteArray("{\n\"format\" 1,\n\"x\": 2}") << "In Zeile 2 fehlt ein Doppelpunkt.";
        QTest::newRow("kein UTF-8") << latin1 << "nicht in UTF-8 geschrieben";
        QTest::newRow("Liste statt Objekt") << QByteArray("[1, 2]") << "Ihr JSON ist anders aufgebaut.";
        QTest::newRow("fremdes JSON") << QByteArray("{\"name\": \"x\"}") << "„format“ fehlt oder lautet anders.";
        QTest::newRow("neuere Version")
            << geaendert(L, [](QJsonObject& d, QJsonObject&) { d.insert(QStringLiteral("formatversion"), 3); })
            << "neueren Version des Grobrechners gespeichert (Dateiformat 3)";
        QTest::newRow("Version 1,5")
            << geaendert(L, [](QJsonObject& d, QJsonObject&) { d.insert(QStringLiteral("formatversion"), 1.5); })
            << "keine gültige Versionsnummer";
        QTest::newRow("unbekannter Pfad")
            << geaendert(L, [](QJsonObject& d, QJsonObject&) { d.insert(QStringLiteral("pfad"), "autobahn"); })
            << "„pfad“ muss „landesstrasse“, „gemeindestrasse“ oder „sanierung“ sein.";
        QTest::newRow("Schritt 6")
            << geaendert(L, [](QJsonObject& d, QJsonObject&) { d.insert(QStringLiteral("schritt"), 6); })
            << "ganze Zahl von 1 bis 5";
        QTest::newRow("Betrieb vor dem Betriebsschritt")
            << geaendert(L, [](QJsonObject& d, QJsonObject&) { d.insert(QStringLiteral("schritt"), 2); })
            << "gehört nicht in die Eingaben dieses Pfads und Schritts";
        QTest::newRow("fremder Eintrag") << mitEingabe(S, "strlaenge", 100) << "„strlaenge“ gehört nicht";
        QTest::newRow("fehlende Eingabe") << mitEingabe(L, "strlaenge", QJsonValue::Undefined)
                                          << "Die Eingabe „strlaenge“ (Straßenlänge) fehlt.";
        QTest::newRow("Text statt Zahl") << mitEingabe(L, "strlaenge", "1000") << "muss eine Zahl sein";
        QTest::newRow("Text statt ja/nein") << mitEingabe(L, "verteiler", "ja") << "muss true oder false sein";
        QTest::newRow("Straßenlänge 0") << mitEingabe(L, "strlaenge", 0)
                                        << "„strlaenge“ (Straßenlänge) ist 0; die Eingabe nimmt nur Zahlen über 0 "
                                           "mit höchstens 5 Zeichen an.";
        QTest::newRow("Straßenlänge mit sechs Stellen") << mitEingabe(L, "strlaenge", 100000) << "ist 100000";
        QTest::newRow("negative Grabung") << mitEingabe(G, "grabungsl", -1) << "Zahlen ab 0";
        QTest::newRow("Grabung länger als die Straße")
            << mitEingabe(G, "grabungsl", 2000) << "Die Grabungslänge im Asphalt (2000 m) ist größer als die "
                                                   "Straßenlänge (999,5 m).";
        QTest::newRow("Höhe nicht in der Liste") << mitEingabe(L, "lphoehe", 4.5) << "angeboten werden nur 5, 6, 7, 8 m";
        QTest::newRow("Höhe knapp daneben") << mitEingabe(G, "lphoehe", 4.5000001) << "angeboten werden nur 4,5,";
        QTest::newRow("Abstand über dem Höchstwert")
            << mitEingabe(G, "lpabstand", 36) << "Der Lichtpunktabstand 36 m ist größer als die 35 m";
        QTest::newRow("Gemeindestraße ohne Strompreis") << mitEingabe(G, "strompreis", 0) << "„strompreis“";
        QTest::newRow("zehn Stunden Abschaltung") << mitEingabe(S, "abschaltdauerb", 10) << "„abschaltdauerb“";
        QTest::newRow("gesperrte Lampe") << mitEingabe(L, "lampe", "Natriumdampf 50 W") << "ist auf diesem Pfad nicht wählbar";
        QTest::newRow("unbekannte Lampe") << mitEingabe(G, "lampe", "LED 25 W") << "gibt es im Lampenkatalog nicht";
        QTest::newRow("Lampe nach ihrer Option") << mitEingabe(G, "lampe", "Option16") << "gibt es im Lampenkatalog nicht";
        QTest::newRow("Abschaltung auf der Landesstraße")
            << mitEingabe(L, "abschaltung", true) << "wird die Anlage nachts nie abgeschaltet";
        QTest::newRow("falsche Leuchtenart") << mitEingabe(S, "leuchtenart", "techn")
                                             << "muss „technisch“ oder „dekorativ“ sein";
        const auto mitGrundlage = [&](const char* schluessel, const QJsonValue& wert) {
            return geaendert(S, [&](QJsonObject& d, QJsonObject&) {
                QJsonObject g = d.value(QStringLiteral("grundlage")).toObject();
                g.insert(QString::fromUtf8(schluessel), wert);
                d.insert(QStringLiteral("grundlage"), g);
            });
        };
        QTest::newRow("Zins über 20 %") << mitGrundlage("zins", 20.5) << "„zins“ in der Grundlage ist keine zulässige Zahl.";
        QTest::newRow("Strompreis fällt zu stark") << mitGrundlage("steigerung", -11) << "„steigerung“";
        QTest::newRow("Förderquote als Text") << mitGrundlage("foerderquote", "25") << "„foerderquote“";
        QTest::newRow("Preis in der Grundlage unbekannt") << mitGrundlage("kapital", 1) << "„kapital“ gehört nicht in die Grundlage";
        QTest::newRow("Bezeichnung zu lang")
            << mitEingabe(S, "bezeichnung", QString(bezeichnungZeichen + 1, QLatin1Char('x'))) << "länger als 80";
        QTest::newRow("Bezeichnung mit Zeilenumbruch")
            << mitEingabe(S, "bezeichnung", "Ahornweg\nBirkenweg") << "Zeilenumbruch";
        QTest::newRow("Bezeichnung rückwärts") << mitEingabe(S, "bezeichnung", "Ahorn\u202Eweg") << "Formatzeichen";
        QTest::newRow("Bezeichnung mit Absatztrenner") << mitEingabe(S, "bezeichnung", "Ahorn\u2029weg") << "Zeilenumbruch";

        // Strict JSON: what Qt's own reader lets pass is wrong, and says what is wrong where.
        const QByteArray gut = kalkulationAlsJson(beispiel(G, Schritt::Ergebnisblatt), {});
        const auto ersetzt = [&](const char* alt, const char* neu) { return QByteArray(gut).replace(alt, neu); };
        QTest::newRow("Komma fehlt") << ersetzt("\"abschaltdauer\": 4,", "\"abschaltdauer\": 4")
                                     << "In Zeile 3 fehlt ein Komma.";
        QTest::newRow("hexadezimal") << ersetzt("\"strlaenge\": 999.5", "\"strlaenge\": 0x10")
                                     << "ist eine Zahl ungültig („0x10“)";
        QTest::newRow("führende Null") << ersetzt("\"lpabstand\": 18", "\"lpabstand\": 018")
                                       << "ist eine Zahl ungültig („018“)";
        QTest::newRow("Punkt ohne Stellen") << ersetzt("\"lpabstand\": 18", "\"lpabstand\": 18.")
                                            << "ist eine Zahl ungültig („18.“)";
        QTest::newRow("Zahl jenseits von double") << ersetzt("\"lpabstand\": 18", "\"lpabstand\": 1e400")
                                                  << "ist eine Zahl nicht darstellbar („1e400“)";
        QTest::newRow("Steuerzeichen statt Leerzeichen") << ersetzt("\"lpabstand\": 18", "\"lpabstand\":\x1b" "18")
                                                         << "In Zeile 11 steht etwas, das in JSON nicht erlaubt ist.";
        QTest::newRow("Anhang") << gut + "}" << "folgt nach dem Ende noch etwas.";
        QTest::newRow("doppelter Eintrag, gültiger zuletzt")
            << ersetzt("\"strlaenge\": 999.5", "\"strlaenge\": -5, \"strlaenge\": 1000")
            << "kommt der Eintrag „strlaenge“ doppelt vor.";
        QTest::newRow("doppelter Eintrag, gültiger zuerst")
            << ersetzt("\"strlaenge\": 999.5", "\"strlaenge\": 1000, \"strlaenge\": -5")
            << "kommt der Eintrag „strlaenge“ doppelt vor.";
        QTest::newRow("halbes Zeichen") << ersetzt("Ahornweg", "Ahorn\\ud800weg") << "halbes Unicode-Zeichen („\\ud800“)";
        QTest::newRow("falscher Escape") << ersetzt("Ahornweg", "Ahorn\\xweg") << "ungültiges Zeichen nach „\\“";
        QTest::newRow("Tabulator im Text") << ersetzt("Ahornweg", "Ahorn\tweg") << "Steuerzeichen";
        QTest::newRow("tief verschachtelt") << QByteArray(200, '[') + QByteArray(200, ']') << "zu tief verschachtelt";
    }
    void refusesABadFileWithItsFirstProblem()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        const Gelesen g = kalkulationAusJson(inhalt);
        QVERIFY(!g.kalkulation);
        QVERIFY2(g.fehler.contains(meldung), qPrintable(g.fehler));
    }

    // Every character that would break or reverse a name's line becomes a blank,
    // by Qt's own Unicode tables; every other assigned character stays.
    void aNameKeepsToOneLineForEveryCharacter()
    {
        for (char32_t z = 0; z <= 0x10FFFF; ++z) {
            if (z >= 0xD800 && z <= 0xDFFF)
                continue;
            const std::string zeichen = QStringView(QChar::fromUcs4(z)).toString().toStdString();
            const std::string zeile = bezeichnungEinzeilig(zeichen);
            switch (QChar::category(z)) {
            case QChar::Other_Control:
            case QChar::Other_Format:
            case QChar::Separator_Line:
            case QChar::Separator_Paragraph:
                QVERIFY2(zeile == " ", qPrintable(QString::number(z, 16)));
                break;
            case QChar::Other_NotAssigned:
                break; // a newer Unicode may have assigned it
            default:
                QVERIFY2(zeile == zeichen, qPrintable(QString::number(z, 16)));
            }
        }
    }

    void aFileCutOffAnywhereSaysItIsIncomplete()
    {
        const QByteArray ganz = kalkulationAlsJson(beispiel(Pfad::Sanierung, Schritt::Ergebnisblatt), {});
        for (qsizetype laenge = 1; laenge < ganz.trimmed().size(); ++laenge) {
            const Gelesen g = kalkulationAusJson(ganz.left(laenge));
            QVERIFY2(g.fehler.startsWith(QStringLiteral("Die Datei bricht mitten im Inhalt ab")),
                     qPrintable(QStringLiteral("nach %1 Byte: %2").arg(laenge).arg(g.fehler)));
        }
    }

    void readsFilesButNotFoldersMissingFilesOrHugeOnes()
    {
        QTemporaryDir ordner;
        const QString riesig = ordner.filePath(QStringLiteral("riesig.grob"));
        QFile f(riesig);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(100'000'000)); // sparse: nothing is written
        f.close();
        QVERIFY(kalkulationLesen(riesig).fehler.contains(QStringLiteral("100,0 MB groß")));
        QCOMPARE(kalkulationLesen(ordner.filePath(QStringLiteral("fehlt.grob"))).fehler,
                 QStringLiteral("Die Datei gibt es nicht."));
        QCOMPARE(kalkulationLesen(ordner.path()).fehler, QStringLiteral("Das ist ein Ordner, keine Datei."));
        // A pipe would wait for a writer for ever; a device is no calculation.
        const QString pipe = ordner.filePath(QStringLiteral("pipe.grob"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QCOMPARE(kalkulationLesen(pipe).fehler,
                 QStringLiteral("Das ist keine gewöhnliche Datei, sondern eine benannte Pipe (FIFO)."));
        QCOMPARE(kalkulationLesen(QStringLiteral("/dev/zero")).fehler,
                 QStringLiteral("Das ist keine gewöhnliche Datei, sondern ein Gerät."));

        const QString gut = ordner.filePath(QStringLiteral("gut.grob"));
        QCOMPARE(kalkulationSpeichern(gut, beispiel(Pfad::Gemeindestrasse, Schritt::Ergebnisblatt), {}), QString());
        QVERIFY(kalkulationLesen(gut).kalkulation);
    }

    void anInterruptedSaveKeepsTheOldFile()
    {
        QTemporaryDir ordner;
        const QString name = ordner.filePath(QStringLiteral("ahornweg.grob"));
        QCOMPARE(dateiSchreiben(name, QByteArray("alt")), QString());
        const QString fehler = dateiSchreiben(name, [](QIODevice& datei) {
            datei.write("neu, aber nur zur H");
            return QStringLiteral("Schreibfehler.");
        });
        QCOMPARE(fehler, QStringLiteral("Schreibfehler. Die bisherige Datei ist unverändert."));
        QCOMPARE(dateiinhalt(name), QStringLiteral("alt"));
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"ahornweg.grob"});

        const QString ohneOrdner = ordner.filePath(QStringLiteral("fehlt/ahornweg.grob"));
        QVERIFY(dateiSchreiben(ohneOrdner, QByteArray("neu")).startsWith(QStringLiteral("Den Ordner „")));
        QVERIFY(!QFile::exists(ohneOrdner));
    }

    // Each way a write fails leaves the old file as it was and names the cause.
    void aFailedWriteNamesItsCauseAndKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<qint64>("grenze"); // of the file size, as a full disk sets one; 0: none
        QTest::addColumn<QString>("grund");
        QTest::newRow("Datenträger voll") << "voll.csv" << qint64(1000)
                                          << "Die Datei wäre größer, als der Datenträger oder das System erlaubt.";
        QTest::newRow("Ordner") << "ordner" << qint64(0) << "Das ist ein Ordner, keine Datei.";
        QTest::newRow("Pipe") << "pipe" << qint64(0)
                              << "Das ist keine gewöhnliche Datei, sondern eine benannte Pipe (FIFO); sie wird nicht "
                                 "ersetzt.";
        QTest::newRow("schreibgeschützte Datei") << "nurlesen.csv" << qint64(0) << "Die Datei ist schreibgeschützt.";
        QTest::newRow("schreibgeschützter Ordner") << "gesperrt/neu.csv" << qint64(0) << "dürfen Sie keine Dateien anlegen";
    }
    void aFailedWriteNamesItsCauseAndKeepsTheOldFile()
    {
        QFETCH(QString, ziel);
        QFETCH(qint64, grenze);
        QFETCH(QString, grund);
        // Missing rights do not stop root.
        if (grund.contains(QStringLiteral("schreibgeschützt")) || grund.contains(QStringLiteral("dürfen Sie")))
            if (::geteuid() == 0)
                QSKIP("root schreibt auch ohne Schreibrecht");
        QTemporaryDir ordner;
        const QString name = ordner.filePath(ziel);
        const QByteArray alt("alt;1\r\n");
        QVERIFY(QDir(ordner.path()).mkdir(QStringLiteral("ordner")) && QDir(ordner.path()).mkdir(QStringLiteral("gesperrt")));
        QCOMPARE(::mkfifo(QFile::encodeName(ordner.filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
        for (const char* datei : {"voll.csv", "nurlesen.csv"}) {
            QFile f(ordner.filePath(QString::fromLatin1(datei)));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(alt) == alt.size());
        }
        QVERIFY(QFile::setPermissions(ordner.filePath(QStringLiteral("nurlesen.csv")), QFileDevice::ReadOwner));
        QVERIFY(QFile::setPermissions(ordner.filePath(QStringLiteral("gesperrt")),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const auto bisher = QDir(ordner.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        // The size limit stands for a full disk: writes past it fail as they
        // would there, without a signal that ends the program.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit vorher{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &vorher), 0);
        const auto zurueck = qScopeGuard([&] { ::setrlimit(RLIMIT_FSIZE, &vorher); });
        if (grenze > 0) {
            rlimit eng = vorher;
            eng.rlim_cur = static_cast<rlim_t>(grenze);
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &eng), 0);
        }
        const QByteArray neu(3000, 'x');
        const QString inEinem = dateiSchreiben(name, neu);
        const QString inStuecken = dateiSchreiben(name, [&](QIODevice& d) {
            for (qsizetype i = 0; i < neu.size(); i += 100)
                d.write(neu.mid(i, 100));
            return QString();
        });
        for (const QString& fehler : {inEinem, inStuecken})
            QVERIFY2(fehler.contains(grund), qPrintable(fehler));
        QCOMPARE(QDir(ordner.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), bisher);
        if (QFileInfo(name).isFile())
            QCOMPARE(dateiinhalt(name), QString::fromUtf8(alt));
    }

    void csvCellsAsAGermanSpreadsheetReadsThem_data()
    {
        QTest::addColumn<QStringList>("zellen");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("Zahl ohne Gruppen") << QStringList{"Sträßenlänge:", "1.234", "m"} << "Sträßenlänge:;1234;m";
        QTest::newRow("Dezimalkomma") << QStringList{"Amortisation", "12,5", "Jahre"} << "Amortisation;12,5;Jahre";
        QTest::newRow("negative Zahl") << QStringList{"Gesamtersparnis", "-14.690", "€"} << "Gesamtersparnis;-14690;€";
        QTest::newRow("Prozent") << QStringList{"", "-37 %"} << ";-37 %";
        QTest::newRow("leere Zellen am Ende") << QStringList{"Eingegebene Werte", "", ""} << "Eingegebene Werte";
        QTest::newRow("Semikolon") << QStringList{"a;b", "x"} << "\"a;b\";x";
        QTest::newRow("Zeilenumbruch und Anführungszeichen")
            << QStringList{"Sie sagt \"ja\"\nund geht"} << "\"Sie sagt \"\"ja\"\"\nund geht\"";
        QTest::newRow("Formel") << QStringList{"=SUMME(A1:A9)", "@x", "-Entwurf-"} << "'=SUMME(A1:A9);'@x;'-Entwurf-";
    }
    void csvCellsAsAGermanSpreadsheetReadsThem()
    {
        QFETCH(QStringList, zellen);
        QFETCH(QString, zeile);
        QCOMPARE(csvText({zellen}), "\xEF\xBB\xBF" + zeile.toUtf8() + "\r\n");
    }
};

QTEST_GUILESS_MAIN(KalkulationsdateiTest)
#include "test_kalkulationsdatei.moc"
