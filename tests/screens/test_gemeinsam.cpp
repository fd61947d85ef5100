// What every screen shares: clock line, hints, INFO, the intellectual-property
// label, the logo, the print routine and labels that lay their text out once.
#include "beschriftung.h"
#include "druckauftrag.h"
#include "frminfo.h"
#include "testhilfen.h"
#include "textsatz.h"
#include "uhrzeile.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace grobrechner;
using namespace grobrechner::test;

class GemeinsamTest : public Programmtest {
    Q_OBJECT

    frminfo* offeneInfo() { return qobject_cast<frminfo*>(QApplication::activeModalWidget()); }

private slots:
    void cleanup()
    {
        if (frminfo* info = offeneInfo())
            info->close();
        Programmtest::cleanup();
    }

    // --- the clock line ---

    void clockLineUsesGermanNamesAndThreeBlanks()
    {
        QCOMPARE(uhrzeilentext(QDateTime(QDate(2026, 12, 7), QTime(9, 5, 3))),
                 QStringLiteral("Montag, 07. Dezember 2026   09:05:03   "));
        QCOMPARE(uhrzeilentext(QDateTime(QDate(2027, 3, 14), QTime(23, 59, 59))),
                 QStringLiteral("Sonntag, 14. März 2027   23:59:59   "));
    }

    void clockTicksOnceASecondOnTheFullSecond()
    {
        auto* uhr = finde<Uhrzeile>(a->hauptmenue(), "lbluhr");
        auto* timer = uhr->findChild<QTimer*>(QStringLiteral("tmruhr"));
        QVERIFY(timer);
        QCOMPARE(uhr->text(), QStringLiteral("Montag, 07. Dezember 2026   09:05:03   "));

        t->zeit = QDateTime(QDate(2026, 12, 7), QTime(9, 5, 4, 250));
        uhr->ticken();
        QCOMPARE(uhr->text(), QStringLiteral("Montag, 07. Dezember 2026   09:05:04   "));
        // Armed for just after 09:05:05.000, not polling every millisecond.
        QVERIFY(timer->isActive());
        QVERIFY(timer->isSingleShot());
        QCOMPARE(timer->interval(), 751);
    }

    // Of a path's five screens one is seen: only its clock wakes the program.
    void aHiddenScreensClockRestsAndIsRightWhenShownAgain()
    {
        QWidget* menue = a->hauptmenue();
        auto* uhr = finde<Uhrzeile>(menue, "lbluhr");
        auto* timer = uhr->findChild<QTimer*>(QStringLiteral("tmruhr"));
        menue->show();
        QVERIFY(timer->isActive());
        menue->hide();
        QVERIFY(!timer->isActive());
        t->zeit = QDateTime(QDate(2026, 12, 7), QTime(9, 7, 0));
        menue->show();
        QVERIFY(timer->isActive());
        QCOMPARE(uhr->text(), QStringLiteral("Montag, 07. Dezember 2026   09:07:00   "));
    }

    // A label that measures its text once must come to the sizes QLabel
    // measures: layouts built from either look the same.
    void aBeschriftungAsksForTheSizesOfAQLabel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ausrichtung");
        QTest::addColumn<bool>("fett");
        QTest::addColumn<bool>("umbruch");
        QTest::addColumn<int>("rand");
        QTest::addColumn<int>("mindestbreite");
        const int rechts = int(Qt::AlignRight | Qt::AlignVCenter);
        QTest::newRow("Zahl rechts") << QStringLiteral("1.234.567,89") << rechts << false << false << 0 << 0;
        QTest::newRow("Einheit fett") << QStringLiteral("€/Jahr") << int(Qt::AlignLeft) << true << false << 0 << 0;
        QTest::newRow("zentriert") << QStringLiteral("Lichtpunkthöhe in m") << int(Qt::AlignCenter) << false << false
                                   << 0 << 0;
        QTest::newRow("Strich") << QStringLiteral("–") << rechts << true << false << 0 << 0;
        QTest::newRow("Zeilenwechsel") << QStringLiteral("Summe\nGesamt") << int(Qt::AlignLeft) << false << false << 0
                                       << 0;
        const QString satz = QStringLiteral("Die Leuchtmittelersatzkosten sind Bruttolistenpreise.");
        QTest::newRow("umbrochen") << satz << int(Qt::AlignLeft) << false << true << 0 << 0;
        QTest::newRow("umbrochen, rechts, fett") << satz << rechts << true << true << 0 << 0;
        QTest::newRow("umbrochen, lang") << (satz + u' ' + satz + u' ' + satz + u' ' + satz) << int(Qt::AlignLeft)
                                         << false << true << 0 << 0;
        QTest::newRow("umbrochen, Zeilenwechsel") << QStringLiteral("Hinweis:\nkeine Amortisation innerhalb von 25 "
                                                                    "Jahren")
                                                  << int(Qt::AlignLeft) << false << true << 0 << 0;
        QTest::newRow("umbrochen, mittellang") << QStringLiteral("Amortisation mit Förderung")
                                               << int(Qt::AlignLeft) << false << true << 0 << 0;
        QTest::newRow("umbrochen, Mindestbreite") << satz << int(Qt::AlignLeft) << false << true << 0 << 120;
        QTest::newRow("mit Rand") << QStringLiteral("kWh") << rechts << false << false << 3 << 0;
        QTest::newRow("Auszeichnung") << QStringLiteral("<b>fett</b> und mehr") << int(Qt::AlignLeft) << false
                                      << false << 0 << 0;
    }

    void aBeschriftungAsksForTheSizesOfAQLabel()
    {
        QFETCH(QString, text);
        QFETCH(int, ausrichtung);
        QFETCH(bool, fett);
        QFETCH(bool, umbruch);
        QFETCH(int, rand);
        QFETCH(int, mindestbreite);
        QWidget fenster;
        QLabel vorbild(QStringLiteral("x"), &fenster);
        Beschriftung beschriftung(QStringLiteral("x"), &fenster);
        for (QLabel* l : {&vorbild, static_cast<QLabel*>(&beschriftung)}) {
            QFont f = l->font();
            f.setBold(fett);
            l->setFont(f);
            (void)l->sizeHint(); // measured once with another text, as a screen's labels often are
            l->setText(text);
            l->setAlignment(Qt::Alignment(ausrichtung));
            l->setWordWrap(umbruch);
            l->setMargin(rand);
            l->setMinimumWidth(mindestbreite);
        }
        QCOMPARE(beschriftung.sizeHint(), vorbild.sizeHint());
        QCOMPARE(beschriftung.minimumSizeHint(), vorbild.minimumSizeHint());
        for (int breite : {0, 1, 40, 87, 150, 333, 640, 2000, QWIDGETSIZE_MAX})
            QCOMPARE(beschriftung.heightForWidth(breite), vorbild.heightForWidth(breite));
        QFont gross = vorbild.font();
        gross.setPointSizeF(gross.pointSizeF() * 1.5);
        vorbild.setFont(gross);
        beschriftung.setFont(gross);
        QCOMPARE(beschriftung.sizeHint(), vorbild.sizeHint());
    }

    // The wrapping options ask for their captions' heights in a frame as high
    // as a widget may be, centred: the halving must round as QFontMetrics rounds.
    void aTextsatzBreaksAndPlacesAsQFontMetrics()
    {
        const QFont schrift;
        const QFontMetrics masse(schrift);
        Textsatz satz;
        for (const QString& text : {QStringLiteral("Natriumdampf-Hochdrucklampen (bisher)"),
                                    QStringLiteral("Die Leuchtmittelersatzkosten sind Bruttolistenpreise.\nZweite Zeile")})
            for (int flags : {int(Qt::AlignLeft | Qt::AlignVCenter), int(Qt::AlignRight | Qt::AlignBottom)})
                for (const QRect& rahmen : {QRect(0, 0, 1, QWIDGETSIZE_MAX), QRect(0, 0, 90, QWIDGETSIZE_MAX),
                                            QRect(0, 0, 151, 2000), QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)})
                    QCOMPARE(satz.rechteck(text, schrift, rahmen, flags),
                             masse.boundingRect(rahmen, flags | Qt::TextWordWrap, text));
    }

    void everyScreenHasTheCommonElements()
    {
        QList<QWidget*> screens{a->hauptmenue()};
        a->folge().starte(Pfad::Landesstrasse);
        for (int k = 1; k <= 5; ++k) {
            screens << schritt(k);
            if (k < 5)
                weiter(schritt(k));
        }
        for (QWidget* s : screens) {
            for (const char* name : {"StatusBar2", "lbluhr", "tmruhr", "lblinfo", "Image1"})
                QVERIFY2(s->findChild<QObject*>(QString::fromUtf8(name)), name);
            QVERIFY(s->testAttribute(Qt::WA_DeleteOnClose));
        }
    }

    // --- hints ---

    void hintsAppearOnMovementAndStayUntilReplaced()
    {
        Pfadformular* s = bisSchritt(Pfad::Gemeindestrasse, 2);
        QCOMPARE(statustext(s), QString()); // a fresh screen has an empty bar

        mausBewegen(s->zurueckknopf());
        QCOMPARE(statustext(s), QStringLiteral("Zurück zur Eingabe."));
        // An element without a hint leaves the text as it is.
        mausBewegen(s->titel());
        QCOMPARE(statustext(s), QStringLiteral("Zurück zur Eingabe."));
        // The background has the screen's general hint.
        mausBewegen(s, QPoint(2, 2));
        QCOMPARE(statustext(s), texte::hintergrund);
        mausBewegen(s->hauptmenueknopf());
        QCOMPARE(statustext(s), QStringLiteral("Zurück zum Hauptmenü."));
        mausBewegen(s->druckknopf());
        QCOMPARE(statustext(s), QStringLiteral("Druckt das aktuelle Formular."));
        mausBewegen(finde(s, "Image1"));
        QCOMPARE(statustext(s), QStringLiteral("Öffnet die Homepage der Lumenstelle."));
        mausBewegen(finde(s, "lblinfo"));
        QCOMPARE(statustext(s), QStringLiteral("Informationen zum Grobrechner. (F1)"));
        mausBewegen(finde(s, "Label18"));
        QCOMPARE(statustext(s), texte::eigentumHinweis);
    }

    void movingOverATextFieldKeepsTheHint()
    {
        auto* feld = new QLineEdit(a->hauptmenue()->rahmen().inhalt());
        feld->show();
        auto* menue = a->hauptmenue();
        mausBewegen(finde(menue, "Command1"));
        const QString hinweis =
            QStringLiteral("Öffnet die Kalkulation für die Errichtung einer Landes- bzw. Bundesstraße.");
        QCOMPARE(statustext(menue), hinweis);
        mausBewegen(feld);
        QCOMPARE(statustext(menue), hinweis);
        mausBewegen(finde(menue, "imgback"));
        QCOMPARE(statustext(menue), texte::hintergrund);
    }

    void somePrintAndCalculateHintsAppearOnlyOnAMousePress()
    {
        Pfadformular* sanko = bisSchritt(Pfad::Sanierung, 2);
        mausBewegen(sanko->zurueckknopf());
        mausBewegen(sanko->druckknopf());
        QCOMPARE(statustext(sanko), QStringLiteral("Zurück zur Eingabe."));
        mausDruecken(sanko->druckknopf());
        QCOMPARE(statustext(sanko), QStringLiteral("Druckt das aktuelle Formular."));
        sanko->hauptmenueknopf()->click();

        Pfadformular* gde = bisSchritt(Pfad::Gemeindestrasse, 3);
        mausBewegen(gde->hauptmenueknopf());
        mausBewegen(gde->vorwaertsknopf());
        QCOMPARE(statustext(gde), QStringLiteral("Zurück zum Hauptmenü."));
        mausDruecken(gde->vorwaertsknopf());
        QCOMPARE(statustext(gde), QStringLiteral("Berechnet die Betriebskosten."));
    }

    void theBackgroundHintOfTheRenovationOperatingResultHasNoExclamationMark()
    {
        Pfadformular* s = bisSchritt(Pfad::Sanierung, 4);
        mausBewegen(s, QPoint(2, 2));
        QCOMPARE(statustext(s), QStringLiteral("Dieser Grobrechner dient zur Grobabschätzung der Errichtungs- bzw. "
                                               "Sanierungskosten von Landes- bzw. Gemeindestraßen"));
    }

    // --- INFO, intellectual property, logo ---

    void infoOpensModallyAndClosesWithSchliessen()
    {
        Pfadformular* s = bisSchritt(Pfad::Landesstrasse, 4);
        mausBewegen(s->zurueckknopf());
        klicken(finde(s, "lblinfo"));
        frminfo* info = offeneInfo();
        QVERIFY(info);
        QCOMPARE(info->objectName(), QStringLiteral("frminfo"));
        QVERIFY(info->isModal());
        QVERIFY(s->isVisible()); // the calling screen stays where it is
        QCOMPARE(finde<QLabel>(info, "Label1")->text(), QStringLiteral("INFORMATIONEN"));
        QVERIFY(finde<QLabel>(info, "Label15")->text().contains(QStringLiteral("Anhaltspunkte")));
        QVERIFY(!finde(info, "StatusBar2"));
        QVERIFY(!finde(info, "lblinfo"));
        QCOMPARE(finde(info, "Label16")->toolTip(), texte::eigentumHinweis);

        QPointer<frminfo> zu = info;
        finde<QPushButton>(info, "Command4")->click();
        geschlosseneAufraeumen();
        QVERIFY(zu.isNull()); // nothing is kept between openings
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(statustext(s), QStringLiteral("Zurück zur Eingabe."));
    }

    void theIntellectualPropertyLabelShowsTheNotice()
    {
        klicken(finde(a->hauptmenue(), "Label3"));
        QCOMPARE(t->meldungen.meldungen.size(), 1);
        const Meldung& m = t->meldungen.meldungen.front();
        QCOMPARE(m.art, Meldung::Information);
        QCOMPARE(m.titel, texte::eigentumTitel);
        QCOMPARE(m.text.split('\n').size(), 3);
        QVERIFY(m.text.contains(QStringLiteral("geistiges Eigentum")));
    }

    void theLogoOpensTheHomepage()
    {
        klicken(finde(a->hauptmenue(), "Image1"));
        QCOMPARE(t->geoeffnet, QList<QUrl>{texte::homepage});
        QCOMPARE(texte::homepage.scheme(), QStringLiteral("https"));
        QVERIFY(t->meldungen.meldungen.isEmpty());
    }

    // --- printing ---

    void printingAsksFirstAndNoDoesNothing()
    {
        Pfadformular* s = bisSchritt(Pfad::Landesstrasse, 2);
        t->meldungen.antworten = {false};
        s->druckknopf()->click();
        QCOMPARE(t->meldungen.meldungen.size(), 1);
        const Meldung& m = t->meldungen.meldungen.front();
        QCOMPARE(m.art, Meldung::Frage);
        QCOMPARE(m.titel, QStringLiteral("Drucken"));
        QCOMPARE(m.text, QStringLiteral("Soll das Formular mit Ihrem Standarddrucker ausgedruckt werden?"));
        QCOMPARE(t->druck.auftraege, 0);
        QCOMPARE(statustext(s), QString());
    }

    void printingHidesTheButtonsWhileRenderingAndShowsTheCaption_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<int>("k");
        for (Pfad p : allePfade)
            for (int k : {2, 4, 5})
                QTest::addRow("%s", qPrintable(pfadbildschirm(p, k).name)) << p << k;
    }
    void printingHidesTheButtonsWhileRenderingAndShowsTheCaption()
    {
        QFETCH(Pfad, pfad);
        QFETCH(int, k);
        Pfadformular* s = bisSchritt(pfad, k);
        mausBewegen(s->zurueckknopf());
        const auto knoepfe = [&] {
            QStringList l;
            for (QPushButton* b : s->findChildren<QPushButton*>())
                if (b->isVisible())
                    l << b->objectName();
            l.sort();
            return l;
        };
        const QStringList vorher = knoepfe();
        QVERIFY(vorher.contains(QStringLiteral("Command3")));

        for (int lauf = 1; lauf <= 2; ++lauf) { // a second run behaves like the first
            t->meldungen.antworten = {true};
            s->druckknopf()->click();
            QCOMPARE(t->druck.auftraege, lauf);
            QCOMPARE(t->druck.ausrichtungen.last(), QPageLayout::Landscape);
            QCOMPARE(t->druck.statuszeilen.last(), pfadbildschirm(pfad, k).druckzeile);
            QCOMPARE(t->druck.sichtbareKnoepfe.last(), QStringList{});
            QCOMPARE(t->druck.abgeschlossen, lauf);
            QCOMPARE(knoepfe(), vorher);
            // The caption stays until the next hint.
            QCOMPARE(statustext(s), pfadbildschirm(pfad, k).druckzeile);
        }
        QCOMPARE(t->meldungen.titel(), (QStringList{"Drucken", "Drucken"}));
    }

    void everyFailingStepReportsADruckfehlerAndTheButtonsComeBack()
    {
        Pfadformular* s = bisSchritt(Pfad::Gemeindestrasse, 4);
        t->druck.fehler = QStringLiteral("Papierstau");
        t->meldungen.antworten = {true};
        QStringList sichtbarWaehrendDesFehlers;
        t->meldungen.waehrendDerMeldung = [&](const Meldung& m) {
            if (m.titel == QStringLiteral("Druckfehler") && s->druckknopf()->isVisible())
                sichtbarWaehrendDesFehlers << m.text;
        };
        s->druckknopf()->click();
        QCOMPARE(t->meldungen.titel(), (QStringList{"Drucken", "Druckfehler", "Druckfehler", "Druckfehler"}));
        for (const Meldung& m : t->meldungen.meldungen.mid(1)) {
            QCOMPARE(m.art, Meldung::Information);
            QVERIFY(m.text.startsWith(QStringLiteral("Papierstau beim ")));
        }
        // The orientation and the finish happen with the buttons shown; the
        // rendering error comes while they are hidden.
        QCOMPARE(sichtbarWaehrendDesFehlers.size(), 2);
        for (QPushButton* k : {s->zurueckknopf(), s->hauptmenueknopf(), s->vorwaertsknopf(), s->druckknopf()})
            QVERIFY(k->isVisible());
    }

    void withoutAPrinterTheUserLearnsWhyOnceAndWhatToDoInstead()
    {
        t->dienste.neuerDruckauftrag = [] { return std::make_unique<QtDruckauftrag>(Drucker{}); };
        Anwendung ohneDrucker(t->dienste);
        ohneDrucker.hauptmenue()->show();
        ohneDrucker.folge().starte(Pfad::Sanierung);
        for (int i = 1; i < 5; ++i)
            weiter(qobject_cast<Pfadformular*>(ohneDrucker.folge().schritt(*schrittNummer(i))));
        auto* blatt = qobject_cast<Pfadformular*>(ohneDrucker.folge().schritt(Schritt::Ergebnisblatt));
        for (int lauf = 0; lauf < 2; ++lauf) {
            t->meldungen.meldungen.clear();
            t->meldungen.antworten = {true};
            blatt->druckknopf()->click();
            // Rendering fails for the same reason as the orientation: that
            // box is not shown twice.
            QCOMPARE(t->meldungen.titel(), (QStringList{"Drucken", "Druckfehler", "Druckfehler"}));
            const QList<Meldung>& m = t->meldungen.meldungen;
            QVERIFY(m[1].text.contains(QStringLiteral("kein Standarddrucker")));
            QVERIFY(m[2].text.contains(QStringLiteral("kein Drucker")));
            QVERIFY(m[2].text.contains(QStringLiteral("„Als PDF speichern“")));
            for (QPushButton* k : {blatt->zurueckknopf(), blatt->hauptmenueknopf(), blatt->druckknopf()})
                QVERIFY(k->isVisible());
        }
        blatt->hauptmenueknopf()->click();
    }

    // Looked up, not linked: a misspelt call or library would silently drop the check.
    void theCallsThatAskCupsAboutAJobAreFound() { QVERIFY(cupsZurHand()); }

    // Loaded, not linked: a module not built beside the program, or without its
    // entry, would leave every printout with an error.
    void thePrintingModuleIsFoundBesideTheProgram()
    {
        QCOMPARE(standarddrucker(QStringLiteral(GROBRECHNER_PROGRAMMORDNER)).fehler, QString());
    }

    void theInfoScreenPrintsInPortraitWithoutACaptionTwice()
    {
        klicken(finde(a->hauptmenue(), "lblinfo"));
        frminfo* info = offeneInfo();
        QVERIFY(info);
        auto* drucken = finde<QPushButton>(info, "Command3");
        QCOMPARE(drucken->accessibleName(), QStringLiteral("Drucken"));
        for (int lauf = 1; lauf <= 2; ++lauf) {
            t->meldungen.antworten = {true};
            drucken->click();
            QCOMPARE(t->druck.ausrichtungen.last(), QPageLayout::Portrait);
            QCOMPARE(t->druck.statuszeilen.last(), QString());
            QCOMPARE(t->druck.sichtbareKnoepfe.last(), QStringList{});
            QVERIFY(drucken->isVisible());
            QVERIFY(finde<QPushButton>(info, "Command4")->isVisible());
        }
        QCOMPARE(t->druck.abgeschlossen, 2);
    }
};

QTEST_MAIN(GemeinsamTest)
#include "test_gemeinsam.moc"
