// The screen graph: forward, back, "zum Hauptmenü" and the window's close
// button on every step, and the entry values of the operating step.
#include "testhilfen.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace grobrechner;
using namespace grobrechner::test;

namespace {

QStringList vorhandeneFenster()
{
    geschlosseneAufraeumen();
    QStringList namen;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->objectName().isEmpty())
            namen.append(w->objectName());
    namen.sort();
    return namen;
}

QStringList namenDerSchritte(Pfad pfad, int bis)
{
    QStringList namen;
    for (int k = 1; k <= bis; ++k)
        namen << pfadbildschirm(pfad, k).name;
    return namen;
}

QStringList sortiert(QStringList l)
{
    l.sort();
    return l;
}

} // namespace

class BildschirmfolgeTest : public Programmtest {
    Q_OBJECT

private slots:
    void forwardShowsTheNextStepAndKeepsTheEarlierOnesHidden_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::newRow("Landesstraße") << Pfad::Landesstrasse;
        QTest::newRow("Gemeindestraße") << Pfad::Gemeindestrasse;
        QTest::newRow("Sanierung") << Pfad::Sanierung;
    }
    void forwardShowsTheNextStepAndKeepsTheEarlierOnesHidden()
    {
        QFETCH(Pfad, pfad);
        a->folge().starte(pfad);
        for (int k = 1; k <= 5; ++k) {
            QCOMPARE(sichtbareFenster(), QStringList{pfadbildschirm(pfad, k).name});
            QCOMPARE(vorhandeneFenster(), sortiert(namenDerSchritte(pfad, k) << "frmgrsbl"));
            if (k < 5)
                weiter(schritt(k));
        }
        QVERIFY(!schritt(5)->vorwaertsknopf());
    }

    void backShowsThePreviousStepAsItWasAndClosesThisOne()
    {
        Pfadformular* ergebnis = bisSchritt(Pfad::Landesstrasse, 3);
        QPointer<Pfadformular> betrieb = schritt(3);
        QCOMPARE(ergebnis->objectName(), QStringLiteral("frmbetrko_land"));
        Pfadformular* zwei = schritt(2);
        betrieb->zurueckknopf()->click();
        QCOMPARE(sichtbareFenster(), QStringList{"frmerrko_neuerrland"});
        QCOMPARE(schritt(2), zwei); // the same screen, not a new one
        geschlosseneAufraeumen();
        QVERIFY(betrieb.isNull());
        QVERIFY(!schritt(3));

        // Forward again creates step 3 afresh.
        zwei->vorwaertsknopf()->click();
        QVERIFY(schritt(3));
        QCOMPARE(sichtbareFenster(), QStringList{"frmbetrko_land"});
    }

    void backFromEveryStepKeepsTheMenuHidden()
    {
        Pfadformular* blatt = bisSchritt(Pfad::Sanierung, 5);
        Q_UNUSED(blatt);
        for (int k = 5; k >= 2; --k) {
            schritt(k)->zurueckknopf()->click();
            QCOMPARE(sichtbareFenster(), QStringList{pfadbildschirm(Pfad::Sanierung, k - 1).name});
            QCOMPARE(vorhandeneFenster(), sortiert(namenDerSchritte(Pfad::Sanierung, k - 1) << "frmgrsbl"));
        }
        QVERIFY(!schritt(1)->zurueckknopf());
    }

    void mainMenuButtonClosesTheWholePath_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<int>("k");
        for (Pfad p : allePfade)
            for (int k = 1; k <= 5; ++k)
                QTest::addRow("%s %d", qPrintable(pfadbildschirm(p, 1).name), k) << p << k;
    }
    void mainMenuButtonClosesTheWholePath()
    {
        QFETCH(Pfad, pfad);
        QFETCH(int, k);
        bisSchritt(pfad, k)->hauptmenueknopf()->click();
        QCOMPARE(sichtbareFenster(), QStringList{"frmgrsbl"});
        QCOMPARE(vorhandeneFenster(), QStringList{"frmgrsbl"});
        for (int i = 1; i <= 5; ++i)
            QVERIFY(!schritt(i));
    }

    void theWindowsCloseButtonEndsThePath_data() { mainMenuButtonClosesTheWholePath_data(); }
    void theWindowsCloseButtonEndsThePath()
    {
        QFETCH(Pfad, pfad);
        QFETCH(int, k);
        QVERIFY(bisSchritt(pfad, k)->close());
        QCOMPARE(sichtbareFenster(), QStringList{"frmgrsbl"});
        QCOMPARE(vorhandeneFenster(), QStringList{"frmgrsbl"});

        // The next start of the path begins with a fresh input screen.
        a->folge().starte(pfad);
        QCOMPARE(sichtbareFenster(), QStringList{pfadbildschirm(pfad, 1).name});
        QCOMPARE(vorhandeneFenster(), sortiert({pfadbildschirm(pfad, 1).name, "frmgrsbl"}));
    }

    void startingAPathResetsItsFieldsAfterOpening()
    {
        a->daten().leuchtenart = Leuchtenart::dekorativ;
        a->daten().strlaenge = 500;
        a->daten().lpabstand = 30;
        a->folge().starte(Pfad::Landesstrasse);
        QCOMPARE(a->daten().leuchtenart, Leuchtenart::technisch);
        QCOMPARE(a->daten().strlaenge, 0.0f);
        QCOMPARE(a->daten().lpabstand, 30.0f); // not a field of the state road
    }

    void forwardFromStep2WritesTheEntryValuesEveryTime()
    {
        Pfadformular* zwei = bisSchritt(Pfad::Landesstrasse, 2);
        const Lampe* vorgabe = lampeMitOption("Option2");
        a->daten().lampe = lampeMitOption("Option4");
        a->daten().schaltung.abschaltdauer = 9;
        zwei->vorwaertsknopf()->click();
        QCOMPARE(a->daten().lampe, vorgabe);
        QCOMPARE(a->daten().schaltung.abschaltdauer, std::optional(6.0));

        // Back to the result and forward again: the operating step starts over.
        a->daten().lampe = lampeMitOption("Option5");
        schritt(3)->zurueckknopf()->click();
        zwei->vorwaertsknopf()->click();
        QCOMPARE(a->daten().lampe, vorgabe);

        // Forward from the other steps leaves the operating fields alone.
        a->daten().lampe = lampeMitOption("Option5");
        weiter(schritt(3));
        schritt(4)->vorwaertsknopf()->click();
        QCOMPARE(a->daten().lampe, lampeMitOption("Option5"));
    }

    void renovationEntryValuesResetTheExistingInstallation()
    {
        Pfadformular* zwei = bisSchritt(Pfad::Sanierung, 2);
        a->daten().wattageb = 125;
        a->daten().schaltungb.abschaltdauer = 2;
        zwei->vorwaertsknopf()->click();
        QCOMPARE(a->daten().wattageb, 80.0f);
        QCOMPARE(a->daten().schaltungb.abschaltdauer, std::optional(6.0));
        QCOMPARE(a->daten().lampe, lampeMitOption("Option1"));
    }

    void screensCarryTheirNamesTitlesAndCaptions()
    {
        for (Pfad p : allePfade) {
            a->folge().starte(p);
            for (int k = 1; k <= 5; ++k) {
                Pfadformular* s = schritt(k);
                const Pfadbildschirm& b = pfadbildschirm(p, k);
                QCOMPARE(s->objectName(), b.name);
                QCOMPARE(s->titel()->objectName(), QStringLiteral("Label2"));
                QCOMPARE(s->titel()->text(), b.titel);
                QVERIFY(finde(s, b.eigentumLabel.toUtf8().constData()));
                QCOMPARE(s->windowTitle(), b.name == "frmsanko" ? QStringLiteral("Grobrechner der Gemeindestraeße")
                                                                : QStringLiteral("Grobrechner für Straßenbeleuchtungsanlagen"));
                QCOMPARE(bool(s->druckknopf()), k == 2 || k == 4 || k == 5);
                if (k < 5)
                    weiter(s);
            }
            schritt(5)->hauptmenueknopf()->click();
        }
    }

    void navigationButtonsHaveTheirCaptions()
    {
        Pfadformular* eins = bisSchritt(Pfad::Sanierung, 1);
        QCOMPARE(eins->vorwaertsknopf()->objectName(), QStringLiteral("Command4"));
        QCOMPARE(eins->vorwaertsknopf()->text(), QStringLiteral("Sanierungskosten berechnen"));
        QCOMPARE(eins->hauptmenueknopf()->text(), QStringLiteral("zum Hauptmenü"));
        weiter(eins);
        QCOMPARE(schritt(2)->zurueckknopf()->text(), QStringLiteral("zurück zur Eingabe"));
        QCOMPARE(schritt(2)->vorwaertsknopf()->objectName(), QStringLiteral("Command2"));
        QCOMPARE(schritt(2)->vorwaertsknopf()->text(), QStringLiteral("zur Betriebskostenberechnung"));
        schritt(2)->vorwaertsknopf()->click();
        QCOMPARE(schritt(3)->vorwaertsknopf()->text(), QStringLiteral("Betriebskosten berechnen"));
        QCOMPARE(schritt(3)->zurueckknopf()->text(), QStringLiteral("zurück zum Ergebnis der Errichtungskosten"));
        weiter(schritt(3));
        QCOMPARE(schritt(4)->vorwaertsknopf()->text(), QStringLiteral("zum Ergebnisblatt"));
        schritt(4)->vorwaertsknopf()->click();
        QCOMPARE(schritt(5)->zurueckknopf()->text(), QStringLiteral("zurück zu den Betriebskosten"));
    }

    void enterOnAnInputScreenPressesItsCalculateButton()
    {
        Pfadformular* eins = bisSchritt(Pfad::Landesstrasse, 1);
        eingabenMachen(eins);
        eins->activateWindow();
        QTest::keyClick(eins, Qt::Key_Return);
        QCOMPARE(sichtbareFenster(), QStringList{"frmerrko_neuerrland"});
        // On a result screen, Enter presses the focused button only.
        schritt(2)->hauptmenueknopf()->setFocus();
        QTest::keyClick(schritt(2)->hauptmenueknopf(), Qt::Key_Return);
        QTRY_COMPARE(sichtbareFenster(), QStringList{"frmgrsbl"});
    }

    void closingTheMainMenuLeavesNoScreen()
    {
        bisSchritt(Pfad::Gemeindestrasse, 3)->hauptmenueknopf()->click();
        a->hauptmenue()->close();
        QVERIFY(sichtbareFenster().isEmpty());
    }
};

QTEST_MAIN(BildschirmfolgeTest)
#include "test_bildschirmfolge.moc"
