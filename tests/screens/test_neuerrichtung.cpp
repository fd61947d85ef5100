// The two new-construction paths: the input screens of the state and the
// municipal road, their checks, and the construction costs they open.
#include "testhilfen.h"

#include <QClipboard>
#include <QComboBox>
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

const QString eingabeFehlt = QStringLiteral("Eingabe fehlt");
const QString falscheEingabe = QStringLiteral("Falsche Eingabe");
const QString strasseFehlt = QStringLiteral("Bitte geben Sie die Straßenlänge ein!");
const QString hoeheFehlt = QStringLiteral("Bitte geben Sie die Lichtpunkthöhe ein!");
const QString abstandFalsch = QStringLiteral("Bitte geben Sie den korrekten Lichtpunktabstand ein!");
const QString grabungFehlt = QStringLiteral("Bitte geben Sie die Grabungslänge ein!");
const QString grabungZuLang =
    QStringLiteral("Bitte geben Sie eine Grabungslänge ein, die nicht größer als die Straßenlänge ist!");

QString text(QWidget* fenster, const char* name) { return finde<QLabel>(fenster, name)->text(); }

// What the user enters; an empty height chooses none, an empty spacing is
// left out on the state road.
struct Eingaben {
    QString strasse;
    QString hoehe;
    QString abstand;
    QString grabung;
};

} // namespace

Q_DECLARE_METATYPE(Eingaben)

class NeuerrichtungTest : public Programmtest {
    Q_OBJECT

    Pfadformular* eingabe() { return schritt(1); }
    QLineEdit* feld(const char* name) { return finde<QLineEdit>(eingabe(), name); }
    QRadioButton* option(const char* name) { return finde<QRadioButton>(eingabe(), name); }
    QComboBox* hoehenliste() { return finde<QComboBox>(eingabe(), "cbolichtpunkthöhe"); }

    Pfadformular* starte(Pfad pfad)
    {
        a->folge().starte(pfad);
        t->meldungen.meldungen.clear(); // the notes of the path
        return eingabe();
    }

    void eintragen(const Eingaben& e)
    {
        feld("txtstraßenlänge")->setText(e.strasse);
        if (!e.hoehe.isEmpty())
            hoeheWaehlen(eingabe(), e.hoehe);
        if (QLineEdit* abstand = feld("txtlpabstand"))
            abstand->setText(e.abstand);
        feld("txtgrabungslänge")->setText(e.grabung);
    }

    // Enters, asks for the costs and gives the result screen, or null when a
    // check stopped.
    Pfadformular* berechnen(const Eingaben& e)
    {
        eintragen(e);
        eingabe()->vorwaertsknopf()->click();
        Pfadformular* ergebnis = schritt(2);
        return ergebnis && ergebnis->isVisible() ? ergebnis : nullptr;
    }

    // The one message of the last calculation.
    void meldungPruefen(const QString& titel, const QString& meldung)
    {
        QCOMPARE(t->meldungen.meldungen.size(), 1);
        const Meldung& m = t->meldungen.meldungen.front();
        QCOMPARE(m.art, Meldung::Information);
        QCOMPARE(m.titel, titel);
        QCOMPARE(m.text, meldung);
        QCOMPARE(m.eltern, eingabe());
        QCOMPARE(sichtbareFenster(), QStringList{eingabe()->objectName()});
    }

private slots:
    // --- the input screens as they open ---

    void inputScreensOpenEmptyWithTheirDefaults_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QStringList>("hoehen");
        QTest::newRow("Landesstraße") << Pfad::Landesstrasse << "Neuerrichtung einer Landesstraße"
                                      << QStringList{"5", "6", "7", "8"};
        QTest::newRow("Gemeindestraße") << Pfad::Gemeindestrasse << "Neuerrichtung einer Gemeindestraße"
                                        << QStringList{"4,5", "5", "6", "7", "8"};
    }
    void inputScreensOpenEmptyWithTheirDefaults()
    {
        QFETCH(Pfad, pfad);
        QFETCH(QString, titel);
        QFETCH(QStringList, hoehen);
        Pfadformular* s = starte(pfad);
        QCOMPARE(text(s, "Label2"), titel);
        QCOMPARE(finde<QGroupBox>(s, "Frame1")->title(), QStringLiteral("Auswahl der gewünschten Leuchte:"));
        QCOMPARE(finde<QGroupBox>(s, "Frame2")->title(), QStringLiteral("Wird der Verteiler neu errichtet?"));
        QVERIFY(option("opttechn")->isChecked());
        QVERIFY(option("optvtja")->isChecked());
        QCOMPARE(option("optdeko")->text(), QStringLiteral("dekorative Leuchte"));
        QCOMPARE(option("optvtnein")->text(), QStringLiteral("Nein"));
        QVERIFY(finde(s, "imatechn")->isHidden());
        QVERIFY(finde(s, "imadeko")->isHidden());
        QCOMPARE(text(s, "Label4"), QStringLiteral("Länge der zu beleuchtenden Straße:"));
        QCOMPARE(text(s, "Label7"), QStringLiteral("Lichtpunkthöhe:"));
        QCOMPARE(text(s, "Label9"), QStringLiteral("Länge der Grabungen (Künette) im Asphalt:"));
        QCOMPARE(text(s, "Label14"), QStringLiteral("Länge der Grabungen im Erdreich:"));
        for (const char* einheit : {"Label5", "Label6", "Label8"})
            QCOMPARE(text(s, einheit), QStringLiteral("Meter"));
        QCOMPARE(text(s, "lbldiffgrab"), QString());
        for (const char* name : {"txtstraßenlänge", "txtgrabungslänge"}) {
            QCOMPARE(feld(name)->text(), QString());
            QCOMPARE(feld(name)->maxLength(), 5);
        }
        QComboBox* liste = hoehenliste();
        QVERIFY(!liste->isEditable());
        QCOMPARE(liste->currentIndex(), -1);
        QCOMPARE(liste->placeholderText(), QStringLiteral("Bitte auswählen"));
        QStringList angeboten;
        for (int i = 0; i < liste->count(); ++i)
            angeboten << liste->itemText(i);
        QCOMPARE(angeboten, hoehen);
        QCOMPARE(s->vorwaertsknopf()->text(), QStringLiteral("Errichtungskosten berechnen"));

        const bool gemeinde = pfad == Pfad::Gemeindestrasse;
        QCOMPARE(bool(feld("txtlpabstand")), gemeinde);
        if (gemeinde) {
            QCOMPARE(feld("txtlpabstand")->maxLength(), 2);
            QCOMPARE(text(s, "Label11"), QStringLiteral("Lichtpunktabstand:"));
            QCOMPARE(text(s, "Label10"), QStringLiteral("Meter"));
            QCOMPARE(text(s, "lbllphinweis"), QString());
            QVERIFY(finde(s, "lblmaxlpa")->isHidden());
        }
    }

    void theExamplePicturesShowAndHideAgain()
    {
        Pfadformular* s = starte(Pfad::Landesstrasse);
        QWidget* bild = finde(s, "imatechn");
        klicken(finde(s, "Label1"));
        QVERIFY(bild->isVisible());
        QVERIFY(finde(s, "imadeko")->isHidden());
        klicken(finde(s, "Label1"));
        QVERIFY(bild->isHidden());
        klicken(finde(s, "Label3"));
        QVERIFY(finde(s, "imadeko")->isVisible());
    }

    void optionsWriteTheRecordWhenClicked()
    {
        starte(Pfad::Landesstrasse);
        waehlen(option("optdeko"));
        QCOMPARE(a->daten().leuchtenart, Leuchtenart::dekorativ);
        waehlen(option("opttechn"));
        QCOMPARE(a->daten().leuchtenart, Leuchtenart::technisch);
        waehlen(option("optvtnein"));
        QVERIFY(!a->daten().verteiler);
        waehlen(option("optvtja"));
        QVERIFY(a->daten().verteiler);
        hoeheWaehlen(eingabe(), QStringLiteral("7"));
        QCOMPARE(a->daten().lphoehe, 7.0f);
    }

    void keyboardOrder_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<QStringList>("reihe");
        // Each option frame is one stop.
        QTest::newRow("Landesstraße") << Pfad::Landesstrasse
                                      << QStringList{"txtstraßenlänge", "cbolichtpunkthöhe", "Frame2",
                                                     "txtgrabungslänge", "Command4", "Command1", "cmdspeichern",
                                                     "txtbezeichnung", "Frame1"};
        QTest::newRow("Gemeindestraße") << Pfad::Gemeindestrasse
                                        << QStringList{"txtstraßenlänge", "cbolichtpunkthöhe", "txtlpabstand",
                                                       "Frame2", "txtgrabungslänge", "Command4", "Command1",
                                                       "cmdspeichern", "txtbezeichnung", "Frame1"};
    }
    void keyboardOrder()
    {
        QFETCH(Pfad, pfad);
        QFETCH(QStringList, reihe);
        Pfadformular* s = starte(pfad);
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
        const auto stelle = [] {
            QWidget* w = QApplication::focusWidget();
            return qobject_cast<QRadioButton*>(w) ? w->parentWidget()->objectName() : w->objectName();
        };
        QCOMPARE(stelle(), QStringLiteral("Frame1")); // the style comes first
        for (const QString& name : reihe) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(stelle(), name);
        }
    }

    void enterCalculatesFromAnyInput()
    {
        for (const char* name : {"txtgrabungslänge", "cbolichtpunkthöhe", "txtstraßenlänge"}) {
            Pfadformular* s = starte(Pfad::Gemeindestrasse);
            eintragen({"1000", "6", "30", "200"});
            s->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(s));
            finde(s, name)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(sichtbareFenster(), QStringList{"frmerrko_neuerrgde"});
            schritt(2)->hauptmenueknopf()->click();
        }
    }

    void hintsOfBothScreens_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::newRow("Landesstraße") << Pfad::Landesstrasse;
        QTest::newRow("Gemeindestraße") << Pfad::Gemeindestrasse;
    }
    void hintsOfBothScreens()
    {
        QFETCH(Pfad, pfad);
        Pfadformular* s = starte(pfad);
        klicken(finde(s, "Label1"));
        klicken(finde(s, "Label3"));
        const QList<std::pair<const char*, QString>> eingabehinweise = {
            {"Command4", QStringLiteral("Berechnet die Errichtungskosten.")},
            {"txtstraßenlänge", QStringLiteral("Berechnet die Errichtungskosten.")}, // a field has none of its own
            {"Command1", QStringLiteral("Zurück zum Hauptmenü.")},
            {"Frame2", QStringLiteral("Zurück zum Hauptmenü.")},
            {"imatechn", QStringLiteral("Das ist eine technische Leuchte.")},
            {"imadeko", QStringLiteral("Das ist eine dekorative Leuchte.")},
            {"Image1", QStringLiteral("Öffnet die Homepage der Lumenstelle.")},
            {"lblinfo", QStringLiteral("Informationen zum Grobrechner. (F1)")},
            {"Label12", texte::eigentumHinweis},
        };
        for (const auto& [name, hinweis] : eingabehinweise) {
            mausBewegen(finde(s, name));
            QCOMPARE(statustext(s), hinweis);
        }
        mausBewegen(s, QPoint(2, 2));
        QCOMPARE(statustext(s), texte::hintergrund);

        eintragen({"1000", "6", "30", "200"});
        s->vorwaertsknopf()->click();
        Pfadformular* ergebnis = schritt(2);
        const QList<std::pair<const char*, QString>> ergebnishinweise = {
            {"cmdback", QStringLiteral("Zurück zur Eingabe.")},
            {"Command1", QStringLiteral("Zurück zum Hauptmenü.")},
            {"Command2", QStringLiteral("Öffnet das Formular zur Betriebskostenberechnung.")},
            {"Command3", QStringLiteral("Druckt das aktuelle Formular.")},
            {"lblerrko", QStringLiteral("Druckt das aktuelle Formular.")},
            {"Label18", texte::eigentumHinweis},
        };
        for (const auto& [name, hinweis] : ergebnishinweise) {
            mausBewegen(finde(ergebnis, name));
            QCOMPARE(statustext(ergebnis), hinweis);
        }
    }

    // --- the digging length in soil, while typing ---

    void soilLengthFollowsTheTyping()
    {
        starte(Pfad::Gemeindestrasse);
        QLabel* erdreich = finde<QLabel>(eingabe(), "lbldiffgrab");
        QLineEdit* strasse = feld("txtstraßenlänge");
        QLineEdit* grabung = feld("txtgrabungslänge");
        QTest::keyClicks(strasse, QStringLiteral("1200"));
        QCOMPARE(erdreich->text(), QString()); // the digging length is still empty
        QTest::keyClicks(grabung, QStringLiteral("50"));
        QCOMPARE(erdreich->text(), QStringLiteral("1.150 Meter"));
        grabung->setText(QStringLiteral("1300"));
        QCOMPARE(erdreich->text(), QStringLiteral("-100 Meter"));
        // While a text is not a number, the last figure stays.
        strasse->setText(QStringLiteral("12a"));
        QCOMPARE(erdreich->text(), QStringLiteral("-100 Meter"));
        strasse->setText(QStringLiteral("1.2"));
        QCOMPARE(erdreich->text(), QStringLiteral("-100 Meter"));
        strasse->setText(QStringLiteral("1.500"));
        QCOMPARE(erdreich->text(), QStringLiteral("200 Meter"));
        grabung->setText(QStringLiteral("0,4"));
        QCOMPARE(erdreich->text(), QStringLiteral("1.500 Meter"));
        grabung->setText(QStringLiteral("0,6"));
        QCOMPARE(erdreich->text(), QStringLiteral("1.499 Meter"));
    }

    // --- the checks, in their order ---

    void checksStopAtTheFirstFailure_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<Eingaben>("eingaben");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("fokus");
        QTest::addColumn<bool>("geleert");

        const Pfad land = Pfad::Landesstrasse, gde = Pfad::Gemeindestrasse;
        QTest::newRow("Land: alles leer") << land << Eingaben{"", "", "", ""} << eingabeFehlt << strasseFehlt
                                          << "txtstraßenlänge" << true;
        QTest::newRow("Land: Straße 0, der Rest fehlt auch")
            << land << Eingaben{"0", "", "", ""} << eingabeFehlt << strasseFehlt << "txtstraßenlänge" << true;
        QTest::newRow("Land: keine Höhe") << land << Eingaben{"1000", "", "", "200"} << eingabeFehlt << hoeheFehlt
                                          << "cbolichtpunkthöhe" << false;
        QTest::newRow("Land: keine Grabung") << land << Eingaben{"1000", "6", "", ""} << eingabeFehlt << grabungFehlt
                                             << "txtgrabungslänge" << true;
        QTest::newRow("Land: Grabung -5") << land << Eingaben{"1000", "6", "", "-5"} << eingabeFehlt << grabungFehlt
                                          << "txtgrabungslänge" << true;
        QTest::newRow("Land: Grabung länger") << land << Eingaben{"1000", "6", "", "1001"} << falscheEingabe
                                              << grabungZuLang << "txtgrabungslänge" << true;

        QTest::newRow("Gde: alles leer") << gde << Eingaben{"", "", "", ""} << eingabeFehlt << strasseFehlt
                                         << "txtstraßenlänge" << true;
        QTest::newRow("Gde: keine Höhe") << gde << Eingaben{"1000", "", "30", "200"} << eingabeFehlt << hoeheFehlt
                                         << "cbolichtpunkthöhe" << false;
        QTest::newRow("Gde: kein Abstand") << gde << Eingaben{"1000", "6", "", "200"} << falscheEingabe
                                           << abstandFalsch << "txtlpabstand" << true;
        QTest::newRow("Gde: Abstand 0") << gde << Eingaben{"1000", "6", "0", ""} << falscheEingabe << abstandFalsch
                                        << "txtlpabstand" << true;
        QTest::newRow("Gde: keine Grabung") << gde << Eingaben{"1000", "6", "30", ""} << eingabeFehlt
                                            << grabungFehlt << "txtgrabungslänge" << true;
        QTest::newRow("Gde: Grabung länger") << gde << Eingaben{"1000", "6", "30", "1001"} << falscheEingabe
                                             << grabungZuLang << "txtgrabungslänge" << true;
    }
    void checksStopAtTheFirstFailure()
    {
        QFETCH(Pfad, pfad);
        QFETCH(Eingaben, eingaben);
        QFETCH(QString, titel);
        QFETCH(QString, meldung);
        QFETCH(QString, fokus);
        QFETCH(bool, geleert);
        starte(pfad);
        QWidget* gemeldet = finde(eingabe(), fokus.toUtf8().constData());
        QVERIFY(!berechnen(eingaben));
        meldungPruefen(titel, meldung);
        QCOMPARE(eingabe()->focusWidget(), gemeldet);
        if (auto* zeile = qobject_cast<QLineEdit*>(gemeldet))
            QCOMPARE(zeile->text().isEmpty(), geleert);
        // The street length stays when a later field is at fault.
        if (fokus != QStringLiteral("txtstraßenlänge"))
            QCOMPARE(feld("txtstraßenlänge")->text(), eingaben.strasse);
    }

    void valuesThatPassedStayInTheRecord()
    {
        starte(Pfad::Gemeindestrasse);
        QVERIFY(!berechnen({"1000", "", "30", "200"}));
        QCOMPARE(a->daten().strlaenge, 1000.0f); // written before the height failed
        QCOMPARE(a->daten().lpabstand, 0.0f);

        t->meldungen.meldungen.clear();
        QVERIFY(!berechnen({"900", "7", "40", "950"}));
        QCOMPARE(a->daten().strlaenge, 900.0f);
        QCOMPARE(a->daten().lphoehe, 7.0f);
        QCOMPARE(a->daten().lpabstand, 40.0f);
        QCOMPARE(a->daten().grabungsl, 950.0f); // the rejected length is read already

        starte(Pfad::Landesstrasse);
        QVERIFY(!berechnen({"800", "5", "", "abc"}));
        QCOMPARE(a->daten().strlaenge, 800.0f);
        QCOMPARE(a->daten().lphoehe, 5.0f);
        QCOMPARE(a->daten().grabungsl, 0.0f); // the reset of the path
    }

    // --- what counts as a number ---

    void typedTextsEitherPassAsTheirNumberOrGetTheMessage_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<bool>("angenommen");
        QTest::addColumn<float>("zahl");

        const auto zeilen = [](Pfad pfad, const char* name, bool nullErlaubt, const char* beschreibung) {
            struct Fall {
                const char* text;
                bool angenommen;
                float zahl;
            };
            const Fall faelle[] = {
                {"", false, 0},       {"abc", false, 0},    {"+", false, 0},      {"-", false, 0},
                {"0", nullErlaubt, 0}, {"00", nullErlaubt, 0}, {"-5", false, 0},  {"0,5", true, 0.5f},
                {",5", true, 0.5f},   {"1.200", true, 1200}, {"1.2", false, 0},   {"1e3", false, 0},
                {"   ", false, 0},    {" 12 ", true, 12},   {"+7", true, 7},      {"12,", true, 12},
                {"5-", false, 0},     {"1,2,3", false, 0},
            };
            for (const Fall& f : faelle)
                QTest::addRow("%s \"%s\"", beschreibung, f.text)
                    << pfad << QString::fromUtf8(name) << QString::fromUtf8(f.text) << f.angenommen << f.zahl;
        };
        zeilen(Pfad::Landesstrasse, "txtstraßenlänge", false, "Land Straße");
        zeilen(Pfad::Landesstrasse, "txtgrabungslänge", true, "Land Grabung");
        zeilen(Pfad::Gemeindestrasse, "txtstraßenlänge", false, "Gde Straße");
        zeilen(Pfad::Gemeindestrasse, "txtgrabungslänge", true, "Gde Grabung");
    }
    void typedTextsEitherPassAsTheirNumberOrGetTheMessage()
    {
        QFETCH(Pfad, pfad);
        QFETCH(QString, name);
        QFETCH(QString, getippt);
        QFETCH(bool, angenommen);
        QFETCH(float, zahl);
        starte(pfad);
        const bool strasse = name == QStringLiteral("txtstraßenlänge");
        // The other length is the most the field holds, so only the typed text matters.
        Eingaben e{"99999", "6", "30", "0"};
        (strasse ? e.strasse : e.grabung) = getippt;
        Pfadformular* ergebnis = berechnen(e);
        QCOMPARE(bool(ergebnis), angenommen);
        if (angenommen) {
            QVERIFY(t->meldungen.meldungen.isEmpty());
            QCOMPARE(strasse ? a->daten().strlaenge : a->daten().grabungsl, zahl);
        } else {
            meldungPruefen(eingabeFehlt, strasse ? strasseFehlt : grabungFehlt);
            QCOMPARE(feld(name.toUtf8().constData())->text(), QString());
        }
    }

    void spacingTexts_data()
    {
        QTest::addColumn<QString>("hoehe");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<bool>("angenommen");
        QTest::addColumn<float>("zahl");
        const struct {
            const char* hoehe;
            const char* text;
            bool angenommen;
            float zahl;
        } faelle[] = {
            {"6", "50", true, 50}, {"6", "51", false, 0},  {"6", "9", true, 9},    {"6", ",5", true, 0.5f},
            {"6", "0", false, 0},  {"6", "00", false, 0},  {"6", "-5", false, 0},  {"6", "", false, 0},
            {"6", "ab", false, 0}, {"6", "1e", false, 0},  {"6", "  ", false, 0},  {"6", "5,", true, 5},
            {"4,5", "35", true, 35}, {"4,5", "36", false, 0}, {"5", "40", true, 40}, {"5", "41", false, 0},
            {"8", "50", true, 50}, {"8", "51", false, 0},
        };
        for (const auto& f : faelle)
            QTest::addRow("%s m \"%s\"", f.hoehe, f.text)
                << QString::fromUtf8(f.hoehe) << QString::fromUtf8(f.text) << f.angenommen << f.zahl;
    }
    void spacingTexts()
    {
        QFETCH(QString, hoehe);
        QFETCH(QString, getippt);
        QFETCH(bool, angenommen);
        QFETCH(float, zahl);
        starte(Pfad::Gemeindestrasse);
        Pfadformular* ergebnis = berechnen({"1000", hoehe, getippt, "200"});
        QCOMPARE(bool(ergebnis), angenommen);
        if (angenommen) {
            QCOMPARE(a->daten().lpabstand, zahl);
        } else {
            meldungPruefen(falscheEingabe, abstandFalsch);
            QCOMPARE(feld("txtlpabstand")->text(), QString());
            QCOMPARE(eingabe()->focusWidget(), feld("txtlpabstand"));
        }
    }

    void pastedTextIsCutToTheField()
    {
        starte(Pfad::Gemeindestrasse);
        QClipboard* ablage = QGuiApplication::clipboard();
        const auto einfuegen = [&](const char* name, const char* text) {
            feld(name)->clear();
            ablage->setText(QString::fromUtf8(text));
            feld(name)->setFocus();
            feld(name)->paste();
            return feld(name)->text();
        };
        QCOMPARE(einfuegen("txtgrabungslänge", "2000000"), QStringLiteral("20000"));
        QCOMPARE(einfuegen("txtstraßenlänge", "1000000"), QStringLiteral("10000"));
        hoeheWaehlen(eingabe(), QStringLiteral("6"));
        QCOMPARE(einfuegen("txtlpabstand", "305"), QStringLiteral("30"));
        QCOMPARE(einfuegen("txtgrabungslänge", "2000"), QStringLiteral("2000"));
        eingabe()->vorwaertsknopf()->click();
        QVERIFY(t->meldungen.meldungen.isEmpty());
        QCOMPARE(a->daten().strlaenge, 10000.0f);
        QCOMPARE(a->daten().lpabstand, 30.0f);
        QCOMPARE(text(schritt(2), "lblanzahllp"), QStringLiteral("334"));
    }

    // --- the spacing recommendation of the municipal road ---

    void recommendationFollowsHeightAndStyle()
    {
        Pfadformular* s = starte(Pfad::Gemeindestrasse);
        QLabel* hinweis = finde<QLabel>(s, "lbllphinweis");
        QLabel* maximum = finde<QLabel>(s, "lblmaxlpa");
        // Before a height is chosen, the style changes nothing.
        waehlen(option("optdeko"));
        QCOMPARE(hinweis->text(), QString());

        feld("txtlpabstand")->setText(QStringLiteral("12"));
        hoeheWaehlen(s, QStringLiteral("4,5"));
        QCOMPARE(a->daten().lphoehe, 4.5f);
        QCOMPARE(hinweis->text(), QStringLiteral("Bei 4,5 m Lichtpunkthöhe empfehlen wir 18 m Lichtpunktabstand, maximal 35 m!"));
        QCOMPARE(maximum->text(), QStringLiteral("35"));
        QVERIFY(maximum->isHidden());
        QCOMPARE(feld("txtlpabstand")->text(), QString());
        QCOMPARE(s->focusWidget(), feld("txtlpabstand"));

        feld("txtlpabstand")->setText(QStringLiteral("30"));
        waehlen(option("opttechn"));
        QCOMPARE(hinweis->text(), QStringLiteral("Bei 4,5 m Lichtpunkthöhe empfehlen wir 20 m Lichtpunktabstand, maximal 35 m!"));
        QCOMPARE(feld("txtlpabstand")->text(), QStringLiteral("30")); // the typed spacing stays

        hoeheWaehlen(s, QStringLiteral("8"));
        QCOMPARE(hinweis->text(), QStringLiteral("Bei 8 m Lichtpunkthöhe empfehlen wir 40 m Lichtpunktabstand, maximal 50 m!"));
        QCOMPARE(maximum->text(), QStringLiteral("50"));
        QCOMPARE(feld("txtlpabstand")->text(), QString());
    }

    // --- the results ---

    void stateRoadFromTheInputToTheOperatingCosts()
    {
        starte(Pfad::Landesstrasse);
        eintragen({"1000", "6", "", "200"});
        QCOMPARE(text(eingabe(), "lbldiffgrab"), QStringLiteral("800 Meter"));
        eingabe()->vorwaertsknopf()->click();
        QVERIFY(t->meldungen.meldungen.isEmpty());
        QCOMPARE(sichtbareFenster(), QStringList{"frmerrko_neuerrland"});
        QCOMPARE(a->daten().strlaenge, 1000.0f);
        QCOMPARE(a->daten().lphoehe, 6.0f);
        QCOMPARE(a->daten().grabungsl, 200.0f);

        Pfadformular* s = schritt(2);
        const QList<std::pair<const char*, const char*>> erwartet = {
            {"Label2", "Errichtungskosten der Landesstraße"},
            {"Label1", "Eingegebene Werte"},
            {"Label4", "Art der Leuchte:"},          {"lblleuchtenart", "technische Leuchte"},
            {"Label7", "Sträßenlänge:"},             {"lblstraßenlänge", "1.000"},          {"Label16", "m"},
            {"Label8", "Lichtpunkthöhe:"},           {"lbllichtpunkthöhe", "6"},            {"Label15", "m"},
            {"Label10", "Verteilerneuerrichtung:"},  {"lblverteiler", "ja"},
            {"Label11", "Grabungslänge im Asphalt:"}, {"lblgrabungslänge", "200"},          {"Label12", "m"},
            {"Label3", "Berechnungsergebnis"},
            {"Label9", "Lichtpunktabstand:"},        {"lbllpa", "30"},                      {"Label14", "m"},
            {"Label5", "Anzahl der LP (aufgerundet):"}, {"lblanzahllp", "34"},              {"Label17", "Stk."},
            {"Label6", "Errichtungskosten (Grobkosten):"}, {"lblerrko", "109.530"},         {"Label13", "€"},
        };
        for (const auto& [name, inhalt] : erwartet)
            QCOMPARE(text(s, name), QString::fromUtf8(inhalt));
        QVERIFY(finde<QLabel>(s, "lblerrko")->font().bold());
        QCOMPARE(a->daten().anzahllp, 34.0f);

        a->daten().lampe = lampeMitOption("Option5");
        s->vorwaertsknopf()->click();
        QCOMPARE(sichtbareFenster(), QStringList{"frmbetrko_land"});
        QCOMPARE(a->daten().lampe, lampeMitOption("Option2"));
        QCOMPARE(a->daten().schaltung.abschaltdauer, std::optional(6.0));
        QCOMPARE(a->daten().anzahllp, 34.0f);
        // Back from the operating costs: the same figures, not computed again.
        a->daten().strlaenge = 1;
        schritt(3)->zurueckknopf()->click();
        QCOMPARE(schritt(2), s);
        QCOMPARE(text(s, "lblerrko"), QStringLiteral("109.530"));
    }

    void municipalRoadFromTheInputToTheOperatingCosts()
    {
        starte(Pfad::Gemeindestrasse);
        waehlen(option("optdeko"));
        QVERIFY(berechnen({"1.200", "4,5", "35", "50"}));
        Pfadformular* s = schritt(2);
        const QList<std::pair<const char*, const char*>> erwartet = {
            {"Label2", "Errichtungskosten der Gemeindestraße"},
            {"Label1", "Eingegebene Werte"},
            {"Label4", "Art der Leuchte:"},            {"lblleuchtenart", "dekorative Leuchte"},
            {"Label7", "Sträßenlänge:"},               {"lblstraßenlänge", "1.200"},     {"Label16", "m"},
            {"Label8", "Lichtpunkthöhe:"},             {"lbllichtpunkthöhe", "4,5"},     {"Label15", "m"},
            {"Label9", "Lichtpunktabstand:"},          {"lbllichtpunktabstand", "35"},   {"Label14", "m"},
            {"Label10", "Verteilerneuerrichtung:"},    {"lblverteiler", "ja"},
            {"Label11", "Grabungslänge im Asphalt:"},  {"lblgrabungslänge", "50"},       {"Label12", "m"},
            {"Label3", "Berechnungsergebnis"},
            // 1200 / 35 = 34,3: 35 light points.
            {"Label5", "Anzahl der LP (aufgerundet):"}, {"lblanzahllp", "35"},           {"Label17", "Stk."},
            {"Label6", "Errichtungskosten (Grobkosten):"}, {"Label13", "€"},
        };
        for (const auto& [name, inhalt] : erwartet)
            QCOMPARE(text(s, name), QString::fromUtf8(inhalt));
        QVERIFY(!finde(s, "lbllpa"));
        // 35 × (1550 + 160 + 40 + 25 + 30 + 40) + 7500 + 1150 × 40 + 50 × 130
        QCOMPARE(text(s, "lblerrko"), QStringLiteral("124.575"));
        QCOMPARE(a->daten().anzahllp, 35.0f);

        s->vorwaertsknopf()->click();
        QCOMPARE(sichtbareFenster(), QStringList{"frmbetrko_gde"});
        QCOMPARE(a->daten().lampe, lampeMitOption("Option1"));
        QCOMPARE(a->daten().schaltung.abschaltdauer, std::optional(6.0));
    }

    void workedExamplesOnScreen_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<bool>("deko");
        QTest::addColumn<bool>("verteiler");
        QTest::addColumn<Eingaben>("eingaben");
        QTest::addColumn<QString>("abstand");
        QTest::addColumn<QString>("anzahl");
        QTest::addColumn<QString>("summe");
        const Pfad land = Pfad::Landesstrasse, gde = Pfad::Gemeindestrasse;
        QTest::newRow("Land 1000 techn") << land << false << true << Eingaben{"1000", "6", "", "200"} << "30"
                                         << "34" << "109.530";
        QTest::newRow("Land 1000 deko") << land << true << false << Eingaben{"1000", "6", "", "0"} << "25" << "41"
                                        << "115.645";
        QTest::newRow("Land 300") << land << false << true << Eingaben{"300", "5", "", "0"} << "25" << "13"
                                  << "36.445";
        QTest::newRow("Land 1500") << land << false << true << Eingaben{"1500", "8", "", "1500"} << "40" << "38"
                                   << "259.210";
        QTest::newRow("Land 10 deko") << land << true << true << Eingaben{"10", "5", "", "0"} << "20" << "1"
                                      << "10.675"; // 1550 + 160 + 500 + 25 + 500 + 7500 + 400 + 40
        QTest::newRow("Gde 1000") << gde << false << true << Eingaben{"1000", "6", "30", "100"} << "30" << "34"
                                  << "100.530";
        QTest::newRow("Gde 300 deko") << gde << true << false << Eingaben{"300", "5", "25", "0"} << "25" << "13"
                                      << "36.095";
        QTest::newRow("Gde 1500") << gde << false << true << Eingaben{"1500", "8", "40", "1500"} << "40" << "38"
                                  << "259.210";
        QTest::newRow("Gde 0,5 m") << gde << false << false << Eingaben{"10", "6", ",5", "0"} << "0,5" << "21"
                                   << "27.595"; // 21 × (1000 + 160 + 40 + 25 + 30 + 40) + 10 × 40
    }
    void workedExamplesOnScreen()
    {
        QFETCH(Pfad, pfad);
        QFETCH(bool, deko);
        QFETCH(bool, verteiler);
        QFETCH(Eingaben, eingaben);
        QFETCH(QString, abstand);
        QFETCH(QString, anzahl);
        QFETCH(QString, summe);
        starte(pfad);
        waehlen(option(deko ? "optdeko" : "opttechn"));
        waehlen(option(verteiler ? "optvtja" : "optvtnein"));
        Pfadformular* s = berechnen(eingaben);
        QVERIFY(s);
        QCOMPARE(text(s, pfad == Pfad::Landesstrasse ? "lbllpa" : "lbllichtpunktabstand"), abstand);
        QCOMPARE(text(s, "lblanzahllp"), anzahl);
        QCOMPARE(text(s, "lblerrko"), summe);
        QCOMPARE(text(s, "lblverteiler"), verteiler ? QStringLiteral("ja") : QStringLiteral("nein"));
        QCOMPARE(text(s, "lblleuchtenart"), deko ? QStringLiteral("dekorative Leuchte") : QStringLiteral("technische Leuchte"));
        QCOMPARE(QString::number(a->daten().anzahllp), anzahl);
    }

    void backToTheInputKeepsTheEntriesAndCalculatingAgainRecomputes_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::newRow("Landesstraße") << Pfad::Landesstrasse;
        QTest::newRow("Gemeindestraße") << Pfad::Gemeindestrasse;
    }
    void backToTheInputKeepsTheEntriesAndCalculatingAgainRecomputes()
    {
        QFETCH(Pfad, pfad);
        const bool gde = pfad == Pfad::Gemeindestrasse;
        starte(pfad);
        QPointer<Pfadformular> erstes = berechnen({"1000", "6", "30", "200"});
        QVERIFY(erstes);
        QCOMPARE(text(erstes, "lblerrko"), QStringLiteral("109.530"));

        erstes->zurueckknopf()->click();
        geschlosseneAufraeumen();
        QVERIFY(erstes.isNull());
        QCOMPARE(sichtbareFenster(), QStringList{eingabe()->objectName()});
        QCOMPARE(feld("txtstraßenlänge")->text(), QStringLiteral("1000"));
        QCOMPARE(hoehenliste()->currentText(), QStringLiteral("6"));
        QCOMPARE(feld("txtgrabungslänge")->text(), QStringLiteral("200"));
        QCOMPARE(text(eingabe(), "lbldiffgrab"), QStringLiteral("800 Meter"));
        if (gde) {
            QCOMPARE(feld("txtlpabstand")->text(), QStringLiteral("30"));
            QCOMPARE(text(eingabe(), "lbllphinweis"),
                     QStringLiteral("Bei 6 m Lichtpunkthöhe empfehlen wir 30 m Lichtpunktabstand, maximal 50 m!"));
            feld("txtlpabstand")->setText(QStringLiteral("25"));
        } else {
            waehlen(option("optdeko")); // 25 m on the state road
        }
        feld("txtstraßenlänge")->setText(QStringLiteral("300"));
        feld("txtgrabungslänge")->setText(QStringLiteral("0"));
        eingabe()->vorwaertsknopf()->click();
        Pfadformular* zweites = schritt(2);
        QVERIFY(zweites && zweites->isVisible());
        QCOMPARE(text(zweites, "lblanzahllp"), QStringLiteral("13"));
        QCOMPARE(a->daten().anzahllp, 13.0f);
        QCOMPARE(text(zweites, "lblerrko"), gde ? QStringLiteral("36.445") : QStringLiteral("43.595"));
    }
};

QTEST_MAIN(NeuerrichtungTest)
#include "test_neuerrichtung.moc"
