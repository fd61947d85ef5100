// The renovation path: the input of the count, style, masts and cabinet, its
// one check, and the renovation costs it opens.
#include "testhilfen.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

using namespace grobrechner;
using namespace grobrechner::test;

namespace {

const QString fehltTitel = QStringLiteral("Eingabe fehlt");
const QString fehltText = QStringLiteral("Bitte geben Sie die Anzahl der zu sanierenden Lichtpunkte ein!");

QString text(QWidget* fenster, const char* name) { return finde<QLabel>(fenster, name)->text(); }

// Writes the record's field of one input question: the answer "ja" (for the
// luminaire: decorative) or the other one.
using Feld = void (*)(Kalkulationsdaten&, bool ja);

} // namespace

Q_DECLARE_METATYPE(Feld)

class SanierungTest : public Programmtest {
    Q_OBJECT

    Pfadformular* eingabe() { return schritt(1); }
    QLineEdit* txtlp() { return finde<QLineEdit>(eingabe(), "txtlp"); }
    QRadioButton* option(const char* name) { return finde<QRadioButton>(eingabe(), name); }

    // Chooses by clicking, as the user does, types the count and asks for the costs.
    Pfadformular* berechnen(const char* leuchte, const char* mast, const char* verteiler, const QString& anzahl)
    {
        waehlen(option(leuchte));
        waehlen(option(mast));
        waehlen(option(verteiler));
        txtlp()->setText(anzahl);
        eingabe()->vorwaertsknopf()->click();
        return schritt(2);
    }

private slots:
    void init()
    {
        Programmtest::init();
        a->folge().starte(Pfad::Sanierung);
    }

    void inputStartsEmptyWithThePathsStartChoices()
    {
        QCOMPARE(sichtbareFenster(), QStringList{"frmsan"});
        QCOMPARE(eingabe()->windowTitle(), QStringLiteral("Grobrechner für Straßenbeleuchtungsanlagen"));
        QCOMPARE(text(eingabe(), "Label4"), QStringLiteral("Anzahl der zu sanierenden Lichtpunkte:"));
        QCOMPARE(text(eingabe(), "Label5"), QStringLiteral("Stk."));
        QCOMPARE(txtlp()->text(), QString());
        QCOMPARE(txtlp()->maxLength(), 3);

        const struct {
            const char* frame;
            const char* titel;
            const char* gewaehlt;
            const char* andere;
        } fragen[] = {
            {"Frame1", "Welche Leuchte wird zukünftig verwendet?", "opttechn", "optdeko"},
            {"Frame3", "Werden vorhandene Maste weiterverwendet?", "optmastnein", "optmastja"},
            {"Frame2", "Wird der Verteiler neu errichtet?", "optvtja", "optvtnein"},
        };
        for (const auto& f : fragen) {
            QCOMPARE(finde<QGroupBox>(eingabe(), f.frame)->title(), QString::fromUtf8(f.titel));
            QVERIFY2(option(f.gewaehlt)->isChecked(), f.gewaehlt);
            QVERIFY2(!option(f.andere)->isChecked(), f.andere);
        }
        QCOMPARE(option("optmastja")->text(), QStringLiteral("Ja"));
        QCOMPARE(option("optmastnein")->text(), QStringLiteral("Nein"));
        // The record agrees with what the screen shows.
        QCOMPARE(a->daten().leuchtenart, Leuchtenart::technisch);
        QVERIFY(!a->daten().mast);
        QVERIFY(a->daten().verteiler);
        QCOMPARE(a->daten().anzahllp, 0.0f);
    }

    void optionsWriteTheRecordAtOnce_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<Feld>("feld");
        QTest::addColumn<bool>("wert");
        const Feld deko = [](Kalkulationsdaten& d, bool ja) {
            d.leuchtenart = ja ? Leuchtenart::dekorativ : Leuchtenart::technisch;
        };
        const Feld mast = [](Kalkulationsdaten& d, bool ja) { d.mast = ja; };
        const Feld verteiler = [](Kalkulationsdaten& d, bool ja) { d.verteiler = ja; };
        QTest::newRow("optdeko") << "optdeko" << deko << true;
        QTest::newRow("opttechn") << "opttechn" << deko << false;
        QTest::newRow("optmastja") << "optmastja" << mast << true;
        QTest::newRow("optmastnein") << "optmastnein" << mast << false;
        QTest::newRow("optvtnein") << "optvtnein" << verteiler << false;
        QTest::newRow("optvtja") << "optvtja" << verteiler << true;
    }
    void optionsWriteTheRecordAtOnce()
    {
        QFETCH(QString, option);
        QFETCH(Feld, feld);
        QFETCH(bool, wert);
        Kalkulationsdaten& d = a->daten();
        // The record holds the other choice, so that also a click on the
        // option that is already selected has to write its value again.
        feld(d, !wert);
        Kalkulationsdaten erwartet = d;
        feld(erwartet, wert);
        waehlen(this->option(option.toUtf8().constData()));
        QVERIFY(d == erwartet); // and nothing else: the count waits for the check
        QVERIFY(this->option(option.toUtf8().constData())->isChecked());
    }

    void exampleLabelsShowAndHideTheirPictures()
    {
        QWidget* techn = finde(eingabe(), "imatechn");
        QWidget* deko = finde(eingabe(), "imadeko");
        QVERIFY(techn->isHidden());
        QVERIFY(deko->isHidden());
        klicken(finde(eingabe(), "Label1"));
        QVERIFY(!techn->isHidden());
        QVERIFY(deko->isHidden());
        klicken(finde(eingabe(), "Label3"));
        klicken(finde(eingabe(), "Label1"));
        QVERIFY(techn->isHidden());
        QVERIFY(!deko->isHidden());
        mausBewegen(deko);
        QCOMPARE(statustext(eingabe()), QStringLiteral("Das ist eine dekorative Leuchte."));
    }

    void wrongCountsAreRefusedWithTheMessage_data()
    {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<bool>("eingefuegt"); // pasted rather than typed
        QTest::newRow("leer") << "" << false;
        QTest::newRow("Buchstaben") << "abc" << false;
        QTest::newRow("null") << "0" << false;
        QTest::newRow("negativ") << "-5" << false;
        QTest::newRow("zwei Nullen") << "00" << false;
        QTest::newRow("Leerzeichen") << "   " << false;
        QTest::newRow("Punkt ohne Dreiergruppe") << "1.2" << false;
        QTest::newRow("Exponent") << "1e3" << false;
        QTest::newRow("null Komma null") << "0,0" << false;
        QTest::newRow("nur Komma") << "," << false;
        // The field keeps three characters of a pasted text: "1e3", "-50", "abc".
        QTest::newRow("lang eingefügt, Exponent") << "1e30" << true;
        QTest::newRow("lang eingefügt, negativ") << "-500" << true;
        QTest::newRow("lang eingefügt, Text") << "abcdefghijklmnopqrstuvwxyz" << true;
    }
    void wrongCountsAreRefusedWithTheMessage()
    {
        QFETCH(QString, getippt);
        QFETCH(bool, eingefuegt);
        a->daten().anzahllp = 17; // from an earlier calculation
        if (eingefuegt) {
            QApplication::clipboard()->setText(getippt);
            txtlp()->paste();
            QCOMPARE(txtlp()->text(), getippt.left(3));
        } else {
            QTest::keyClicks(txtlp(), getippt);
            QCOMPARE(txtlp()->text(), getippt);
        }
        // The focus is elsewhere when the button is pressed.
        eingabe()->hauptmenueknopf()->setFocus();
        eingabe()->vorwaertsknopf()->click();

        QCOMPARE(t->meldungen.meldungen.size(), 1);
        const Meldung& m = t->meldungen.meldungen.front();
        QCOMPARE(m.art, Meldung::Information);
        QCOMPARE(m.titel, fehltTitel);
        QCOMPARE(m.text, fehltText);
        QCOMPARE(txtlp()->text(), QString());
        QCOMPARE(eingabe()->focusWidget(), txtlp());
        QCOMPARE(sichtbareFenster(), QStringList{"frmsan"});
        QVERIFY(!schritt(2));
        QCOMPARE(a->daten().anzahllp, 17.0f);

        // The same field takes a good count next.
        txtlp()->setText(QStringLiteral("30"));
        eingabe()->vorwaertsknopf()->click();
        QCOMPARE(sichtbareFenster(), QStringList{"frmsanko"});
        QCOMPARE(t->meldungen.meldungen.size(), 1);
    }

    void goodCountsAreStoredAndEchoed_data()
    {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<float>("anzahl");
        QTest::addColumn<QString>("echo");
        QTest::newRow("Bruchteil") << "2,5" << 2.5f << "2,5";
        QTest::newRow("ganze Zahl") << "120" << 120.0f << "120";
        QTest::newRow("größte") << "999" << 999.0f << "999";
        QTest::newRow("mehr als drei Ziffern") << "1234" << 123.0f << "123"; // the field stops at three
    }
    void goodCountsAreStoredAndEchoed()
    {
        QFETCH(QString, getippt);
        QFETCH(float, anzahl);
        QFETCH(QString, echo);
        QTest::keyClicks(txtlp(), getippt);
        eingabe()->vorwaertsknopf()->click();
        QVERIFY(t->meldungen.meldungen.isEmpty());
        QCOMPARE(a->daten().anzahllp, anzahl);
        QCOMPARE(sichtbareFenster(), QStringList{"frmsanko"});
        QCOMPARE(text(schritt(2), "lbllp"), echo);
    }

    void enterInTheCountAsksForTheCosts()
    {
        eingabe()->activateWindow();
        QTest::keyClicks(txtlp(), QStringLiteral("30"));
        QTest::keyClick(txtlp(), Qt::Key_Return);
        QCOMPARE(sichtbareFenster(), QStringList{"frmsanko"});
        QCOMPARE(text(schritt(2), "lblsanko"), QStringLiteral("45.000"));
    }

    void keyboardOrder()
    {
        // Count, cabinet, masts, the two buttons, style last, then saving and
        // the name; each option frame is one stop.
        eingabe()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(eingabe()));
        txtlp()->setFocus();
        const auto stelle = [] {
            QWidget* w = QApplication::focusWidget();
            return qobject_cast<QRadioButton*>(w) ? w->parentWidget()->objectName() : w->objectName();
        };
        for (const char* name :
             {"Frame2", "Frame3", "Command4", "Command1", "Frame1", "cmdspeichern", "txtbezeichnung", "txtlp"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(stelle(), QString::fromUtf8(name));
        }
    }

    void workedExamplesOnTheResultScreen_data()
    {
        QTest::addColumn<QString>("leuchte");
        QTest::addColumn<QString>("mast");
        QTest::addColumn<QString>("verteiler");
        QTest::addColumn<QString>("anzahl");
        QTest::addColumn<QString>("leuchtenart");
        QTest::addColumn<QString>("maste");
        QTest::addColumn<QString>("vt");
        QTest::addColumn<QString>("sanko");
        QTest::newRow("techn, neue Maste, Verteiler, 30")
            << "opttechn" << "optmastnein" << "optvtja" << "30" << "technische Leuchte" << "nein" << "ja" << "45.000";
        QTest::newRow("techn, Maste weiter, Verteiler, 30")
            << "opttechn" << "optmastja" << "optvtja" << "30" << "technische Leuchte" << "ja" << "ja" << "34.050";
        QTest::newRow("deko, neue Maste, kein Verteiler, 10")
            << "optdeko" << "optmastnein" << "optvtnein" << "10" << "dekorative Leuchte" << "nein" << "nein"
            << "18.300";
        QTest::newRow("techn, Maste weiter, Verteiler, 25")
            << "opttechn" << "optmastja" << "optvtja" << "25" << "technische Leuchte" << "ja" << "ja" << "22.125";
        QTest::newRow("deko, Maste weiter, Verteiler, 75")
            << "optdeko" << "optmastja" << "optvtja" << "75" << "dekorative Leuchte" << "ja" << "ja" << "96.375";
        QTest::newRow("techn, neue Maste, kein Verteiler, 2,5")
            << "opttechn" << "optmastnein" << "optvtnein" << "2,5" << "technische Leuchte" << "nein" << "nein"
            << "3.950";
    }
    void workedExamplesOnTheResultScreen()
    {
        QFETCH(QString, leuchte);
        QFETCH(QString, mast);
        QFETCH(QString, verteiler);
        QFETCH(QString, anzahl);
        Pfadformular* ko = berechnen(leuchte.toUtf8().constData(), mast.toUtf8().constData(),
                                     verteiler.toUtf8().constData(), anzahl);
        QVERIFY(ko);
        QCOMPARE(ko->objectName(), QStringLiteral("frmsanko"));
        QTEST(text(ko, "lblleuchtenart"), "leuchtenart");
        QTEST(text(ko, "lblmaste"), "maste");
        QTEST(text(ko, "lblverteiler"), "vt");
        QCOMPARE(text(ko, "lbllp"), anzahl);
        QTEST(text(ko, "lblsanko"), "sanko");
    }

    void resultSheetCaptions()
    {
        Pfadformular* ko = berechnen("opttechn", "optmastnein", "optvtja", QStringLiteral("30"));
        QCOMPARE(ko->windowTitle(), QStringLiteral("Grobrechner der Gemeindestraeße"));
        const struct {
            const char* name;
            const char* text;
        } beschriftungen[] = {
            {"Label2", "Sanierungskosten der Straßenbeleuchtung"},
            {"Label1", "Eingegebene Werte"},
            {"Label4", "Art der Leuchte:"},
            {"Label7", "Weiterverwendung der Maste:"},
            {"Label10", "Verteilerneuerrichtung:"},
            {"Label11", "Anzahl der zu sanierenden Lichtpunkte:"},
            {"Label16", "Stk."},
            {"Label3", "Berechnungsergebnis"},
            {"Label5", "Sanierungskosten (Grobkosten):"},
            {"Label17", "€"},
        };
        for (const auto& b : beschriftungen)
            QCOMPARE(text(ko, b.name), QString::fromUtf8(b.text));
        QVERIFY(finde<QLabel>(ko, "lblsanko")->font().bold());
        QVERIFY(finde<QLabel>(ko, "Label17")->font().bold());
    }

    void backFromTheResultKeepsEveryEntry()
    {
        Pfadformular* ko = berechnen("optdeko", "optmastja", "optvtnein", QStringLiteral("2,5"));
        QPointer<QWidget> eingabeVorher = eingabe();
        // 2375 + 0 + 0 + 0 + 500 + 62 + 500 + 0 + 100
        QCOMPARE(text(ko, "lblsanko"), QStringLiteral("3.537"));
        ko->zurueckknopf()->click();

        QCOMPARE(sichtbareFenster(), QStringList{"frmsan"});
        QCOMPARE(eingabe(), eingabeVorher.data());
        QCOMPARE(txtlp()->text(), QStringLiteral("2,5"));
        for (const char* gewaehlt : {"optdeko", "optmastja", "optvtnein"})
            QVERIFY2(option(gewaehlt)->isChecked(), gewaehlt);
        QCOMPARE(a->daten().leuchtenart, Leuchtenart::dekorativ);
        QVERIFY(a->daten().mast);
        QVERIFY(!a->daten().verteiler);
        QCOMPARE(a->daten().anzahllp, 2.5f);

        // A changed choice gives a freshly computed result.
        waehlen(option("optmastnein"));
        eingabe()->vorwaertsknopf()->click();
        // 2375 + 1500 + 138 + 150 + 500 + 62 + 500 + 0 + 100
        QCOMPARE(text(schritt(2), "lblsanko"), QStringLiteral("5.325"));
    }

    void theResultIsComputedOnceAndKeptWhileHidden()
    {
        Pfadformular* ko = berechnen("opttechn", "optmastnein", "optvtja", QStringLiteral("30"));
        ko->vorwaertsknopf()->click();
        QCOMPARE(sichtbareFenster(), QStringList{"frmbetrko_san"});
        a->daten().anzahllp = 75;
        a->daten().leuchtenart = Leuchtenart::dekorativ;
        schritt(3)->zurueckknopf()->click();
        QCOMPARE(schritt(2), ko);
        QCOMPARE(text(ko, "lblsanko"), QStringLiteral("45.000"));
        QCOMPARE(text(ko, "lbllp"), QStringLiteral("30"));
        QCOMPARE(text(ko, "lblleuchtenart"), QStringLiteral("technische Leuchte"));
    }

    void goingOnToTheOperatingCostsSetsTheRenovationEntryValues()
    {
        Pfadformular* ko = berechnen("optdeko", "optmastja", "optvtnein", QStringLiteral("12"));
        Kalkulationsdaten& d = a->daten();
        // An operating step that was left in another state.
        const Schaltung anders{Einschaltung::Astronomisch, true, 8, true};
        d.lampe = lampeMitOption("Option7");
        d.schaltung = anders;
        d.strompreis = 18;
        d.schaltungb = anders;
        d.wattageb = 125;
        d.bestandslampe = bestandslampeMitOption("Option22");

        ko->vorwaertsknopf()->click();
        QCOMPARE(sichtbareFenster(), QStringList{"frmbetrko_san"});
        QVERIFY(ko->isHidden());
        // As the operating screen opens, for both installations: twilight
        // switch, not switched off (6 h ready for when it is), not dimmed.
        const Schaltung eintritt{Einschaltung::Daemmerungsschalter, false, 6, false};
        QCOMPARE(d.lampe, lampeMitOption("Option1"));
        QVERIFY(d.schaltung == eintritt);
        QCOMPARE(d.strompreis, 0.0f);
        QVERIFY(d.schaltungb == eintritt);
        QCOMPARE(d.wattageb, 80.0f);
        QCOMPARE(d.bestandslampe, bestandslampeMitOption("Option23"));
        // The renovation inputs stay as they were entered.
        QCOMPARE(d.leuchtenart, Leuchtenart::dekorativ);
        QVERIFY(d.mast);
        QVERIFY(!d.verteiler);
        QCOMPARE(d.anzahllp, 12.0f);
    }
};

QTEST_MAIN(SanierungTest)
#include "test_sanierung.moc"
