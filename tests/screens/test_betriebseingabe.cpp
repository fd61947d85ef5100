// The operating-cost inputs of the three paths: their start state, the lamp
// and switching choices, the duration fields, and the checks of
// "Betriebskosten berechnen" in their order.
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

#include <tuple>

using namespace grobrechner;
using namespace grobrechner::test;
using K = Kalkulationsdaten;

namespace {

const QString falsch = QStringLiteral("Falsche Eingabe");
const QString preisText = QStringLiteral("Bitte geben Sie den korrekten durchschnittlichen Strompreis ein!");
const QString dauerText = QStringLiteral("Bitte geben Sie die korrekte Abschaltdauer pro Tag ein!");
const QString wattageText =
    QStringLiteral("Bitte geben Sie die Wattage des am häufigsten eingesetzten Leuchtmittels ein!");

const std::optional<double> sechsStunden = 6; // the duration until the user types one

// A switch-off frame: its two options, its duration field and label, and the
// record's switching it belongs to.
struct Abschaltung {
    const char *ja, *nein, *feld, *label;
    Schaltung K::*schaltung;
};
const Abschaltung geplant{"optabschaltja", "optabschaltnein", "txtabschaltungdauer", "lblabschaltungdauer",
                          &K::schaltung};
const Abschaltung bestand{"optabschaltjab", "optabschaltneinb", "txtabschaltungbdauer", "lblabschaltungbdauer",
                          &K::schaltungb};

} // namespace

Q_DECLARE_METATYPE(const Abschaltung*)

class BetriebseingabeTest : public Programmtest {
    Q_OBJECT

    K& d() { return a->daten(); }

    // Through the real input and result screens to the operating-cost input.
    Pfadformular* oeffnen(Pfad pfad)
    {
        a->folge().starte(pfad);
        weiter(schritt(1));
        schritt(2)->vorwaertsknopf()->click();
        return schritt(3);
    }
    QRadioButton* option(const char* name) { return finde<QRadioButton>(schritt(3), name); }
    QLineEdit* feld(const char* name) { return finde<QLineEdit>(schritt(3), name); }
    QString text(const char* name) { return finde<QLabel>(schritt(3), name)->text(); }
    void tippen(const char* name, const QString& text) { QTest::keyClicks(feld(name), text); }
    void berechnen() { schritt(3)->vorwaertsknopf()->click(); }

    // The message of a failed check: title and text, the field emptied and
    // focused, the screen still open.
    void bemaengelt(const QString& titel, const QString& meldung, const char* name)
    {
        QCOMPARE(t->meldungen.meldungen.size(), 1);
        QCOMPARE(t->meldungen.meldungen[0].titel, titel);
        QCOMPARE(t->meldungen.meldungen[0].text, meldung);
        QCOMPARE(feld(name)->text(), QString());
        QCOMPARE(schritt(3)->focusWidget(), feld(name));
        QCOMPARE(sichtbareFenster(), QStringList{schritt(3)->objectName()});
        t->meldungen.meldungen.clear();
    }
    void angenommen(Pfad pfad)
    {
        QCOMPARE(t->meldungen.titel(), QStringList{});
        QCOMPARE(sichtbareFenster(), QStringList{pfadbildschirm(pfad, 4).name});
    }

    static void proPfad()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::newRow("Landesstraße") << Pfad::Landesstrasse;
        QTest::newRow("Gemeindestraße") << Pfad::Gemeindestrasse;
        QTest::newRow("Sanierung") << Pfad::Sanierung;
    }

private slots:
    void screensOpenWithTheirDefaultsAndTheRecordAgrees_data() { proPfad(); }
    void screensOpenWithTheirDefaultsAndTheRecordAgrees()
    {
        QFETCH(Pfad, pfad);
        const bool land = pfad == Pfad::Landesstrasse;
        Pfadformular* s = oeffnen(pfad);
        QCOMPARE(s->titel()->text(), pfadbildschirm(pfad, 1).titel); // as the path's input

        const QStringList gesperrt = land ? QStringList{"Option1", "Option4", "Option10"} : QStringList{};
        const QList<QRadioButton*> lampen = finde(s, "Frame4")->findChildren<QRadioButton*>();
        QCOMPARE(lampen.size(), 21); // fifteen lamps and six LED luminaires
        for (QRadioButton* o : lampen) {
            QCOMPARE(o->isChecked(), o->objectName() == (land ? "Option2" : "Option1"));
            QCOMPARE(o->isEnabled(), !gesperrt.contains(o->objectName()));
        }
        QCOMPARE(finde<QGroupBox>(s, "Frame4")->title(), QStringLiteral("Auswahl des Leuchtmittels nach Wattage:"));
        QCOMPARE(option("Option2")->text(), QStringLiteral("70 Watt, 6.600 lm"));
        QCOMPARE(QStringList({text("Label1"), text("Label4"), text("Label3"), text("Label5"), text("lblled")}),
                 QStringList({"Natriumdampf-Hochdrucklampen",
                              land ? "Kompaktleuchtstofflampen" : "Kompaktleuchtstofflampe",
                              "Halogen-Metalldampflampen", "CosmoPolis", "LED-Leuchten"}));
        // Sodium, compact fluorescent and LED on the left, the others on the right.
        QVERIFY(option("Option16")->x() < option("Option10")->x());
        QCOMPARE(option("optled6")->x(), option("Option16")->x());
        QVERIFY(option("optled1")->y() > option("Option16")->y());

        QVERIFY(option("optdämm")->isChecked() && option("optsenknein")->isChecked());
        QCOMPARE(option("optdämm")->text(),
                 QStringLiteral("Dämmerungsschalter, Zeitschaltuhr, Rundsteuersignal über Dämmerungsschalter"));
        QCOMPARE(finde<QGroupBox>(s, "Frame3")->title(), QStringLiteral("Wird Ihre Anlage nachts abgeschalten?"));
        // The state road is never switched off: nothing to choose, no duration.
        QCOMPARE(finde(s, "Frame3")->isEnabled(), !land);
        QCOMPARE(option("optabschaltnein")->isChecked(), !land);
        QVERIFY(!option("optabschaltja")->isChecked());
        QCOMPARE(option("optabschaltnein")->text(), land ? QStringLiteral("Nein") : QStringLiteral("Nein (empfohlen)"));
        QCOMPARE(bool(feld("txtabschaltungdauer")), !land);
        if (!land) {
            QVERIFY(feld("txtabschaltungdauer")->isHidden() && finde(s, "lblabschaltungdauer")->isHidden());
            QCOMPARE(feld("txtabschaltungdauer")->maxLength(), 1);
            QCOMPARE(text("lblabschaltungdauer"), QStringLiteral("Stunden/Tag"));
        }
        QCOMPARE(text("Label9") + "|" + text("Label8"), QStringLiteral("Durchschnittlicher Strompreis:|Cent/kWh"));
        QCOMPARE(feld("txtstromko")->maxLength(), 2);
        QCOMPARE(feld("txtstromko")->text(), QString());

        QCOMPARE(d().lampe, lampeMitOption(land ? "Option2" : "Option1"));
        QVERIFY(!d().schaltung.abschaltung);
        QCOMPARE(d().schaltung.abschaltdauer, sechsStunden);
        waehlen(option("optabschaltja")); // only where it is offered
        QCOMPARE(d().schaltung.abschaltung, !land);
    }

    void theRenovationShowsTheExistingInstallationBesideThePlannedOne()
    {
        Pfadformular* s = oeffnen(Pfad::Sanierung);
        QCOMPARE(text("Label6"), QStringLiteral("Bestand der Straßenbeleuchtung"));
        QCOMPARE(text("Label7"), QStringLiteral("Straßenbeleuchtung nach Sanierung"));
        QCOMPARE(text("Label10"), QStringLiteral("Durchschnittliche Wattage der Leuchtmittel pro Lichtpunkt:"));
        QCOMPARE(text("Label11"), QStringLiteral("Watt"));
        QCOMPARE(feld("txtwattageb")->maxLength(), 3);
        QCOMPARE(finde<QGroupBox>(s, "Frame8")->title(), QStringLiteral("Verwendetes Leuchtmittel:"));
        QStringList typen;
        for (QRadioButton* o : finde(s, "Frame8")->findChildren<QRadioButton*>())
            typen << o->objectName() + (o->isChecked() ? " * " : " ") + o->text();
        QCOMPARE(typen, (QStringList{"Option23 * Quecksilberdampflampen", "Option22 Leuchtstofflampen",
                                     "Option24 Kompaktleuchtstofflampen", "Option25 Natriumdampf-Niederdrucklampen",
                                     "Option26 Natriumdampf-Hochdrucklampen", "Option27 Halogen-Metalldampflampen"}));
        QVERIFY(option("optdammb")->isChecked() && option("optabschaltneinb")->isChecked()
                && option("optsenkneinb")->isChecked());
        QCOMPARE(option("optabschaltneinb")->text(), QStringLiteral("Nein"));
        QVERIFY(feld("txtabschaltungbdauer")->isHidden() && finde(s, "lblabschaltungbdauer")->isHidden());
        QCOMPARE(feld("txtabschaltungbdauer")->maxLength(), 1);
        // Existing left, planned right, the price below both.
        const auto ort = [s](const char* name) { return finde(s, name)->mapTo(s, QPoint()); };
        QVERIFY(ort("txtwattageb").x() < ort("Frame4").x());
        QVERIFY(ort("txtstromko").y() > ort("Frame6").y() && ort("txtstromko").y() > ort("Frame2").y());
        QCOMPARE(d().wattageb, 80.0f);
        QCOMPARE(d().bestandslampe, bestandslampeMitOption("Option23"));
        QCOMPARE(d().schaltungb.abschaltdauer, sechsStunden);
    }

    void aChoiceWritesItsFieldsAndNothingElse()
    {
        struct Fall {
            Pfad pfad;
            const char* option;
            std::function<void(K&)> aendert;
            // Where the record already holds what the option writes, the other
            // value first: a click on the selected option has to write again.
            std::function<void(K&)> vorher = [](K&) {};
        };
        const auto lampe = [](const char* option) { return [=](K& d) { d.lampe = lampeMitOption(option); }; };
        const Fall faelle[] = {
            {Pfad::Landesstrasse, "Option9", lampe("Option9")},
            {Pfad::Landesstrasse, "Option12", lampe("Option12")},
            {Pfad::Gemeindestrasse, "Option11", lampe("Option11")},
            {Pfad::Sanierung, "Option15", lampe("Option15")},
            {Pfad::Gemeindestrasse, "Option16", lampe("Option16")},
            {Pfad::Sanierung, "optled2", lampe("optled2")},
            {Pfad::Landesstrasse, "Option2", lampe("Option2"), lampe("Option3")},
            {Pfad::Landesstrasse, "Option1", [](K&) {}}, // disabled
            {Pfad::Sanierung, "Option27", [](K& d) { d.bestandslampe = bestandslampeMitOption("Option27"); }},
            {Pfad::Landesstrasse, "optastro", [](K& d) { d.schaltung.einschaltung = Einschaltung::Astronomisch; }},
            {Pfad::Landesstrasse, "optsenkja", [](K& d) { d.schaltung.absenkung = true; }},
            {Pfad::Gemeindestrasse, "optdämm", [](K& d) { d.schaltung.einschaltung = Einschaltung::Daemmerungsschalter; },
             [](K& d) { d.schaltung.einschaltung = Einschaltung::Astronomisch; }},
            {Pfad::Sanierung, "optastrob", [](K& d) { d.schaltungb.einschaltung = Einschaltung::Astronomisch; }},
            {Pfad::Sanierung, "optabschaltjab", [](K& d) { d.schaltungb.abschaltung = true; }},
            {Pfad::Sanierung, "optsenkneinb", [](K& d) { d.schaltungb.absenkung = false; },
             [](K& d) { d.schaltungb.absenkung = true; }},
        };
        for (const Fall& f : faelle) {
            oeffnen(f.pfad);
            d().strompreis = 21; // from an earlier calculation; no choice writes it
            f.vorher(d());
            K erwartet = d();
            f.aendert(erwartet);
            waehlen(option(f.option));
            QVERIFY2(d() == erwartet, f.option);
            schritt(3)->hauptmenueknopf()->click();
        }
    }

    void jaShowsAndFocusesTheDurationNeinHidesItAndItIsNotChecked_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<const Abschaltung*>("abschaltung");
        QTest::addColumn<QString>("getippt");
        QTest::newRow("Gde leer") << Pfad::Gemeindestrasse << &geplant << "";
        QTest::newRow("Gde 0") << Pfad::Gemeindestrasse << &geplant << "0";
        QTest::newRow("San geplant leer") << Pfad::Sanierung << &geplant << "";
        QTest::newRow("San Bestand leer") << Pfad::Sanierung << &bestand << "";
        QTest::newRow("San Bestand x") << Pfad::Sanierung << &bestand << "x";
    }
    void jaShowsAndFocusesTheDurationNeinHidesItAndItIsNotChecked()
    {
        QFETCH(Pfad, pfad);
        QFETCH(const Abschaltung*, abschaltung);
        QFETCH(QString, getippt);
        Pfadformular* s = oeffnen(pfad);
        QLineEdit* dauer = feld(abschaltung->feld);
        QWidget* einheit = finde(s, abschaltung->label);
        waehlen(option(abschaltung->ja));
        QVERIFY(dauer->isVisible() && einheit->isVisible());
        QCOMPARE(s->focusWidget(), dauer);
        tippen(abschaltung->feld, getippt);
        waehlen(option(abschaltung->nein));
        QVERIFY(dauer->isHidden() && einheit->isHidden());
        QCOMPARE(dauer->text(), getippt);

        // A text left in the hidden field is ignored; the duration stays.
        eingabenMachen(s);
        berechnen();
        angenommen(pfad);
        QCOMPARE((d().*abschaltung->schaltung).abschaltdauer, sechsStunden);
        // The result's back button shows this screen as it was left.
        schritt(4)->zurueckknopf()->click();
        QCOMPARE(schritt(3), s);
        QCOMPARE(feld("txtstromko")->text(), QStringLiteral("15"));
        waehlen(option(abschaltung->ja));
        QCOMPARE(dauer->text(), getippt);
        QVERIFY(dauer->isVisible());
    }

    void theDurationIsCheckedWhileJaIsChosenAndStored_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<bool>("gilt");
        QTest::newRow("8") << Pfad::Gemeindestrasse << "8" << true;
        QTest::newRow("San 4") << Pfad::Sanierung << "4" << true;
        for (const char* fehler : {"", "0", "a", "-", ",", " "})
            QTest::addRow("'%s'", fehler) << Pfad::Gemeindestrasse << fehler << false;
    }
    void theDurationIsCheckedWhileJaIsChosenAndStored()
    {
        QFETCH(Pfad, pfad);
        QFETCH(QString, getippt);
        QFETCH(bool, gilt);
        oeffnen(pfad);
        waehlen(option("optabschaltja"));
        tippen("txtabschaltungdauer", getippt);
        eingabenMachen(schritt(3));
        berechnen();
        QCOMPARE(d().strompreis, 15.0f); // the price is stored first, whatever follows
        if (gilt) {
            angenommen(pfad);
            QCOMPARE(d().schaltung.abschaltdauer, std::optional(getippt.toDouble()));
        } else {
            bemaengelt(falsch, dauerText, "txtabschaltungdauer");
            QCOMPARE(d().schaltung.abschaltdauer, sechsStunden);
        }
    }

    void thePriceIsCheckedAgainstTheRoadsBound_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<bool>("eingefuegt"); // pasted rather than typed
        QTest::addColumn<float>("preis");     // negative: refused
        const std::pair<const char*, Pfad> pfade[] = {
            {"Land", Pfad::Landesstrasse}, {"Gde", Pfad::Gemeindestrasse}, {"San", Pfad::Sanierung}};
        for (const auto& [name, pfad] : pfade) {
            // Nothing to pay for electricity is accepted except on the municipal road.
            const float null = pfad == Pfad::Gemeindestrasse ? -1 : 0;
            QTest::addRow("%s 18", name) << pfad << "18" << false << 18.0f;
            QTest::addRow("%s ,5", name) << pfad << ",5" << false << 0.5f;
            QTest::addRow("%s 0", name) << pfad << "0" << false << null;
            QTest::addRow("%s 00", name) << pfad << "00" << false << null;
            for (const char* fehler : {"-5", "", "  ", "ab", ","})
                QTest::addRow("%s '%s'", name, fehler) << pfad << fehler << false << -1.0f;
            // The field keeps two characters of a pasted text.
            QTest::addRow("%s eingefügt Zahl", name) << pfad << "12 Cent pro kWh" << true << 12.0f;
            QTest::addRow("%s eingefügt Text", name) << pfad << "Strompreis 15 Cent" << true << -1.0f;
        }
    }
    void thePriceIsCheckedAgainstTheRoadsBound()
    {
        QFETCH(Pfad, pfad);
        QFETCH(QString, getippt);
        QFETCH(bool, eingefuegt);
        QFETCH(float, preis);
        oeffnen(pfad);
        if (pfad == Pfad::Sanierung)
            tippen("txtwattageb", QStringLiteral("80"));
        if (eingefuegt) {
            QApplication::clipboard()->setText(getippt);
            feld("txtstromko")->paste();
        } else {
            tippen("txtstromko", getippt);
        }
        d().strompreis = 7; // from an earlier calculation
        schritt(3)->hauptmenueknopf()->setFocus();
        berechnen();
        if (preis < 0) {
            bemaengelt(falsch, preisText, "txtstromko");
            QCOMPARE(d().strompreis, 7.0f);
        } else {
            angenommen(pfad);
            QCOMPARE(d().strompreis, preis);
        }
    }

    void theExistingWattageIsCheckedFirstAndMustBeAboveZero()
    {
        oeffnen(Pfad::Sanierung);
        // With everything empty and both switch-offs on, only the wattage is reported.
        waehlen(option("optabschaltja"));
        waehlen(option("optabschaltjab"));
        berechnen();
        bemaengelt(QStringLiteral("Eingabe fehlt"), wattageText, "txtwattageb");
        waehlen(option("optabschaltnein"));
        waehlen(option("optabschaltneinb"));

        d().wattageb = 55;
        for (const char* fehler : {"0", "00", "-80", "1.2"}) {
            tippen("txtwattageb", fehler);
            berechnen();
            bemaengelt(QStringLiteral("Eingabe fehlt"), wattageText, "txtwattageb");
            QCOMPARE(d().wattageb, 55.0f);
        }
        // The wattage is stored even when the price then fails.
        tippen("txtwattageb", QStringLiteral("080"));
        berechnen();
        QCOMPARE(d().wattageb, 80.0f);
        bemaengelt(falsch, preisText, "txtstromko");
    }

    void aPlannedDurationIsStoredBeforeTheExistingOneIsReported()
    {
        oeffnen(Pfad::Sanierung);
        tippen("txtwattageb", QStringLiteral("125"));
        tippen("txtstromko", QStringLiteral("9"));
        waehlen(option("optabschaltja"));
        tippen("txtabschaltungdauer", QStringLiteral("4"));
        waehlen(option("optabschaltjab"));
        berechnen();
        QCOMPARE(std::tie(d().wattageb, d().strompreis, d().schaltung.abschaltdauer, d().schaltungb.abschaltdauer),
                 std::tuple(125.0f, 9.0f, std::optional(4.0), sechsStunden));
        bemaengelt(falsch, dauerText, "txtabschaltungbdauer");

        tippen("txtabschaltungbdauer", QStringLiteral("3"));
        berechnen();
        angenommen(Pfad::Sanierung);
        QCOMPARE(d().schaltungb.abschaltdauer, std::optional(3.0));
    }

    void backToTheConstructionResultAndForwardOpensAFreshScreen_data() { proPfad(); }
    void backToTheConstructionResultAndForwardOpensAFreshScreen()
    {
        QFETCH(Pfad, pfad);
        QPointer<Pfadformular> alt = oeffnen(pfad);
        waehlen(option("Option13"));
        waehlen(option("optastro"));
        eingabenMachen(alt);
        alt->zurueckknopf()->click();
        QCOMPARE(sichtbareFenster(), QStringList{pfadbildschirm(pfad, 2).name});
        schritt(2)->vorwaertsknopf()->click();
        geschlosseneAufraeumen();
        QVERIFY(alt.isNull());
        QVERIFY(option(pfad == Pfad::Landesstrasse ? "Option2" : "Option1")->isChecked());
        QVERIFY(option("optdämm")->isChecked());
        QCOMPARE(feld("txtstromko")->text(), QString());
        if (pfad == Pfad::Sanierung)
            QCOMPARE(feld("txtwattageb")->text(), QString());
        QCOMPARE(d().lampe, lampeMitOption(pfad == Pfad::Landesstrasse ? "Option2" : "Option1"));
        QCOMPARE(d().schaltung.einschaltung, Einschaltung::Daemmerungsschalter);
    }

    void enterPressesTheCalculateButton()
    {
        Pfadformular* s = oeffnen(Pfad::Landesstrasse);
        tippen("txtstromko", QStringLiteral("15"));
        s->activateWindow();
        QTest::keyClick(feld("txtstromko"), Qt::Key_Return);
        angenommen(Pfad::Landesstrasse);
    }

    void hints_data() { proPfad(); }
    void hints()
    {
        QFETCH(Pfad, pfad);
        Pfadformular* s = oeffnen(pfad);
        const QString berechnet = QStringLiteral("Berechnet die Betriebskosten.");
        mausBewegen(s->zurueckknopf());
        QCOMPARE(statustext(s), QStringLiteral("Zurück zum Ergebnis der Errichtungskosten."));
        // Frames, options and fields have no hint of their own.
        for (const char* name : {"Frame4", "Frame1", "Option3", "optsenkja", "txtstromko", "Label9"}) {
            mausBewegen(finde(s, name));
            QCOMPARE(statustext(s), QStringLiteral("Zurück zum Ergebnis der Errichtungskosten."));
        }
        // The gaps between the frames are background.
        QWidget* frame1 = finde(s, "Frame1");
        mausBewegen(frame1->parentWidget(), frame1->geometry().topLeft() - QPoint(0, 3));
        QCOMPARE(statustext(s), texte::hintergrund);
        // The municipal calculate button shows its hint on a press only.
        mausBewegen(s->vorwaertsknopf());
        QCOMPARE(statustext(s) == berechnet, pfad != Pfad::Gemeindestrasse);
        mausDruecken(s->vorwaertsknopf());
        QCOMPARE(statustext(s), berechnet);
        // Lamp types that may no longer be sold say so.
        mausBewegen(option("Option16"));
        QVERIFY2(statustext(s).contains(QStringLiteral("mit Stecksockel werden seit Februar 2023")), qPrintable(statustext(s)));
        if (pfad == Pfad::Sanierung) {
            mausBewegen(option("Option23"));
            QVERIFY2(statustext(s).contains(QStringLiteral("Quecksilberdampflampen dürfen seit April 2015")),
                     qPrintable(statustext(s)));
        }
    }
};

QTEST_MAIN(BetriebseingabeTest)
#include "test_betriebseingabe.moc"
