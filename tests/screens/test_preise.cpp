// The price window: what it stores, what it refuses, that the prices survive a
// restart and reach the next calculation, and that the window fits a small screen.
#include "hinweiseinstellungen.h"
#include "preiseinstellungen.h"
#include "testhilfen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>

#include <sys/stat.h>
#include <QtTest>

using namespace grobrechner;
using namespace grobrechner::test;

class PreiseTest : public Programmtest {
    Q_OBJECT

    frmpreise* oeffnen()
    {
        finde<QPushButton>(a->hauptmenue(), "cmdpreise")->click();
        return a->preisfenster();
    }
    QLineEdit* feld(const char* name) { return finde<QLineEdit>(a->preisfenster(), name); }
    void setzen(const char* name, const QString& text) { feld(name)->setText(text); }
    void klick(const char* name) { finde<QPushButton>(a->preisfenster(), name)->click(); }

private slots:
    void opensInTheMenusPlaceAndFitsASmallScreen()
    {
        a->hauptmenue()->move(0, 30);
        frmpreise* f = oeffnen();
        QVERIFY(f);
        QCOMPARE(sichtbareFenster(), QStringList{"frmpreise"});
        QCOMPARE(f->pos(), QPoint(0, 30));
        QVERIFY2(f->minimumSizeHint().width() <= 1280 && f->minimumSizeHint().height() <= 720,
                 qPrintable(QStringLiteral("%1 × %2").arg(f->minimumSizeHint().width()).arg(f->minimumSizeHint().height())));
        QCOMPARE(feld("txtpreisindex")->text(), QStringLiteral("100"));
        QCOMPARE(feld("txtco2faktor")->text(), QStringLiteral("363"));
        QCOMPARE(feld("txterrichtung_leuchtetechn")->text(), QStringLiteral("1.000"));
        QCOMPARE(finde<QLabel>(f, "lblstand_lampen_option1")->text(), QStringLiteral("April 2009: 40 €"));
        QCOMPARE(finde<QLabel>(f, "lblstand_lampen_optled4")->text(), QStringLiteral("Richtpreis: 350 €"));
        // Each field shows its figure as the one beside it does.
        for (QLabel* stand : f->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lblstand_")))) {
            const QString name = stand->objectName().replace(QStringLiteral("lblstand_"), QStringLiteral("txt"));
            QVERIFY2(stand->text().endsWith(QLatin1Char(' ') + feld(name.toUtf8().constData())->text() + QStringLiteral(" €")),
                     qPrintable(stand->text()));
        }
        klick("cmdabbrechen");
        QCOMPARE(sichtbareFenster(), QStringList{"frmgrsbl"});
    }

    // Stored, the prices are there again after a restart, and the next
    // calculation uses them and says so.
    void pricesSurviveARestartAndPriceTheNextCalculation()
    {
        oeffnen();
        setzen("txtpreisindex", QStringLiteral("185"));
        setzen("txtco2faktor", QStringLiteral("400"));
        setzen("txtsteigerung", QStringLiteral("-1,5")); // a falling price is a rate too
        setzen("txtlampen_optled2", QStringLiteral("1.250,5"));
        klick("cmdübernehmen");
        QCOMPARE(t->meldungen.titel(), QStringList{});
        QCOMPARE(sichtbareFenster(), QStringList{"frmgrsbl"});

        a.reset(); // the program ends…
        geschlosseneAufraeumen();
        a = std::make_unique<Anwendung>(t->dienste); // …and starts again
        a->hauptmenue()->show();
        oeffnen();
        QCOMPARE(feld("txtpreisindex")->text(), QStringLiteral("185"));
        QCOMPARE(feld("txtco2faktor")->text(), QStringLiteral("400"));
        QCOMPARE(feld("txtsteigerung")->text(), QStringLiteral("-1,5"));
        QCOMPARE(feld("txtlampen_optled2")->text(), QStringLiteral("1.250,5"));
        QCOMPARE(feld("txterrichtung_leuchtetechn")->text(), QStringLiteral("1.000")); // the index is not in it
        klick("cmdabbrechen");

        // The state road's example, 109.530 € at the prices of April 2009, costs 185 % of it.
        Pfadformular* ergebnis = bisSchritt(Pfad::Landesstrasse, 2);
        QCOMPARE(finde<QLabel>(ergebnis, "lblerrko")->text(), QStringLiteral("202.631"));
        QCOMPARE(finde<QLabel>(ergebnis, "lbldatenbasis")->text(),
                 QStringLiteral("Datenbasis: Eigene Preise, Preisindex 185 % gegenüber April 2009; CO₂-Faktor 400 g/kWh"));
    }

    // Escape and Enter as the user presses them in a field.
    void resetShowsTheProgramsOwnValuesAndCancelKeepsTheStoredOnes()
    {
        Preise eigene;
        eigene.preisindex = 150;
        QCOMPARE(preiseinstellungen::schreiben(eigene), QString());
        oeffnen();
        klick("cmdzurücksetzen");
        QCOMPARE(feld("txtpreisindex")->text(), QStringLiteral("100"));
        QTest::keyClick(feld("txtpreisindex"), Qt::Key_Escape); // cancels
        QCOMPARE(sichtbareFenster(), QStringList{"frmgrsbl"});
        QCOMPARE(preiseinstellungen::lesen(), eigene);
        oeffnen();
        klick("cmdzurücksetzen");
        QTest::keyClick(feld("txtco2faktor"), Qt::Key_Return); // stores
        QCOMPARE(sichtbareFenster(), QStringList{"frmgrsbl"});
        QCOMPARE(preiseinstellungen::lesen(), Preise{});
        QCOMPARE(QSettings().allKeys(), QStringList{}); // nothing of one's own left
    }

    void anInvalidEntryIsNamedAndNothingIsStored_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("meldung");
        const QString index = QStringLiteral("Bitte geben Sie den Preisindex gegenüber April 2009 als Zahl von 1 bis 1.000 % ein!");
        const QString co2 = QStringLiteral("Bitte geben Sie den CO₂-Faktor Strom als Zahl von 0 bis 2.000 g/kWh ein!");
        const QString leuchte = QStringLiteral("Bitte geben Sie für „Errichtung: Technische Leuchte mit Mast“ einen Preis von 0 bis 1.000.000 € ein!");
        const QString lampe = QStringLiteral("Bitte geben Sie für „Natriumdampf-Hochdrucklampe 50 Watt, 4.400 lm“ einen Preis von 0 bis 1.000.000 € ein!");
        QTest::newRow("index below 1") << QByteArray("txtpreisindex") << "0,5" << index;
        QTest::newRow("index above 1000") << QByteArray("txtpreisindex") << "1.000,5" << index;
        QTest::newRow("index not a number") << QByteArray("txtpreisindex") << "hundert" << index;
        QTest::newRow("negative factor") << QByteArray("txtco2faktor") << "-1" << co2;
        QTest::newRow("empty factor") << QByteArray("txtco2faktor") << "" << co2;
        QTest::newRow("factor above 2000") << QByteArray("txtco2faktor") << "2.000,5" << co2;
        QTest::newRow("interest above 20") << QByteArray("txtzins") << "20,5"
                                           << "Bitte geben Sie den Kalkulationszins als Zahl von 0 bis 20 % ein!";
        QTest::newRow("price falling too fast") << QByteArray("txtsteigerung") << "-10,5"
                                                << "Bitte geben Sie die Strompreissteigerung als Zahl von -10 bis 20 % ein!";
        QTest::newRow("grant above 100") << QByteArray("txtfoerderquote") << "101"
                                         << "Bitte geben Sie die Förderquote als Zahl von 0 bis 100 % ein!";
        QTest::newRow("negative price") << QByteArray("txterrichtung_leuchtetechn") << "-5" << leuchte;
        QTest::newRow("price above the bound") << QByteArray("txterrichtung_leuchtetechn") << "1.000.001" << leuchte;
        QTest::newRow("English decimal point") << QByteArray("txtlampen_option1") << "40.5" << lampe;
        QTest::newRow("empty lamp price") << QByteArray("txtlampen_option1") << "" << lampe;
    }
    void anInvalidEntryIsNamedAndNothingIsStored()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, text);
        QFETCH(QString, meldung);
        frmpreise* f = oeffnen();
        setzen("txtsanierung_posten9", QStringLiteral("41")); // a valid change that must not be stored either
        setzen(name.constData(), text);
        klick("cmdübernehmen");
        QCOMPARE(t->meldungen.titel(), QStringList{"Falsche Eingabe"});
        QCOMPARE(t->meldungen.meldungen[0].text, meldung);
        QCOMPARE(f->focusWidget(), feld(name.constData()));
        QCOMPARE(feld(name.constData())->text(), text); // kept for correcting
        QCOMPARE(sichtbareFenster(), QStringList{"frmpreise"});
        QCOMPARE(QSettings().allKeys(), QStringList{});
    }

    // A hand-edited file: what is no number or out of bounds reads as the program's own value.
    void storedValuesOutsideTheirBoundsAreIgnored()
    {
        QSettings einstellungen;
        einstellungen.setValue(QStringLiteral("Preise/preisindex"), QStringLiteral("viel"));
        einstellungen.setValue(QStringLiteral("Preise/co2faktor"), 1e30);
        einstellungen.setValue(QStringLiteral("Preise/errichtung/verteiler"), 1e39);
        einstellungen.setValue(QStringLiteral("Preise/sanierung/posten6"), 27.5);
        einstellungen.sync();
        Preise erwartet;
        erwartet.sanPosten6 = 27.5f;
        QCOMPARE(preiseinstellungen::lesen(), erwartet);
    }

    // A pipe in the settings file's place: reading does not wait for it, storing says why it cannot.
    void aPipeForASettingsFileIsNeitherWaitedForNorReplaced()
    {
        const QString datei = QSettings().fileName();
        QFile::remove(datei);
        QCOMPARE(::mkfifo(QFile::encodeName(datei).constData(), 0600), 0);
        const auto weg = qScopeGuard([&] { QFile::remove(datei); });
        QCOMPARE(preiseinstellungen::lesen(), Preise{});
        QVERIFY(preiseinstellungen::schreiben(Preise{}).contains(QStringLiteral("ist keine gewöhnliche Datei, sondern eine benannte Pipe")));
        QVERIFY(hinweiseinstellungen::zeigen(Pfad::Sanierung));
        QVERIFY(hinweiseinstellungen::ausblenden(Pfad::Sanierung).contains(QStringLiteral("benannte Pipe")));
        QVERIFY(QFileInfo(datei).exists() && !QFileInfo(datei).isFile());
    }
};

QTEST_MAIN(PreiseTest)
#include "test_preise.moc"
