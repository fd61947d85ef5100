// The main menu: start values, the notes before each path, "Beenden", what waits for its first picture.
#include "erstesbild.h"
#include "testhilfen.h"

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace grobrechner;
using namespace grobrechner::test;

class HauptmenueTest : public Programmtest {
    Q_OBJECT

    QPushButton* knopf(const char* name) { return finde<QPushButton>(a->hauptmenue(), name); }

private slots:
    void startsAloneWithTheRecordAtItsStartValues()
    {
        QCOMPARE(sichtbareFenster(), QStringList{"frmgrsbl"});
        QVERIFY(a->daten() == Kalkulationsdaten{});
        QCOMPARE(a->hauptmenue()->windowTitle(), QStringLiteral("Grobrechner für Straßenbeleuchtungsanlagen"));
        QCOMPARE(finde<QLabel>(a->hauptmenue(), "Label1")->text(), QStringLiteral("Herzlich Willkommen beim"));
        QCOMPARE(knopf("Command1")->text(), QStringLiteral("Neuerrichtung einer Landesstraße"));
        QCOMPARE(knopf("Command3")->text(), QStringLiteral("Neuerrichtung einer Gemeindestraße"));
        QCOMPARE(knopf("Command2")->text(), QStringLiteral("Sanierung einer Gemeindestraße"));
        QCOMPARE(knopf("Command4")->text(), QStringLiteral("Beenden"));
        QVERIFY(!finde<QLabel>(a->hauptmenue(), "Label4")->text().isEmpty());
    }

    void whatWaitsForTheFirstPictureRunsOnceAWindowHasPainted()
    {
        QVERIFY(QTest::qWaitForWindowExposed(a->hauptmenue()));
        auto laeufe = std::make_shared<int>(0);
        nachDemErstenBild([laeufe] { ++*laeufe; });
        QCoreApplication::processEvents();
        QCOMPARE(*laeufe, 0); // nothing painted since
        a->hauptmenue()->update();
        QTRY_COMPARE(*laeufe, 1);
        a->hauptmenue()->repaint();
        QCoreApplication::processEvents();
        QCOMPARE(*laeufe, 1);
    }

    void eachPathOpensOnlyAfterItsNotes_data()
    {
        QTest::addColumn<QString>("knopfname");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QStringList>("anfaenge");
        QTest::newRow("Landesstraße") << "Command1" << "frmneuerrland"
                                      << QStringList{"Bei dieser Berechnung wird die Beleuchtungsklasse Me4b"};
        QTest::newRow("Gemeindestraße") << "Command3" << "frmneuerrgde"
                                        << QStringList{"Bei dieser Berechnung kann neben der Lichtpunkthöhe"};
        QTest::newRow("Sanierung") << "Command2" << "frmsan"
                                   << QStringList{"Bei dieser Berechnung werden die Mastpositionen",
                                                  "Es wird keine Gewähr"};
    }
    void eachPathOpensOnlyAfterItsNotes()
    {
        QFETCH(QString, knopfname);
        QFETCH(QString, eingabe);
        QFETCH(QStringList, anfaenge);
        QStringList waehrendDerHinweise;
        t->meldungen.waehrendDerMeldung = [&](const Meldung&) { waehrendDerHinweise << sichtbareFenster(); };
        knopf(knopfname.toUtf8().constData())->click();

        QCOMPARE(t->meldungen.meldungen.size(), anfaenge.size());
        for (int i = 0; i < anfaenge.size(); ++i) {
            const Meldung& m = t->meldungen.meldungen[i];
            QCOMPARE(m.art, Meldung::Information);
            QCOMPARE(m.titel, QStringLiteral("Information"));
            QVERIFY2(m.text.startsWith(anfaenge[i]), qPrintable(m.text));
        }
        // While a note is open, the menu is still the only screen.
        for (const QString& fenster : waehrendDerHinweise)
            QCOMPARE(fenster, QStringLiteral("frmgrsbl"));
        QCOMPARE(sichtbareFenster(), QStringList{eingabe});
    }

    // Ticked, the notes of that path stay away, across a restart too, until
    // the price window shows them again; the other paths keep theirs.
    void tickedNotesStayAwayUntilShownAgain_data()
    {
        QTest::addColumn<QString>("knopfname");
        QTest::addColumn<QString>("andererPfad");
        QTest::addColumn<QStringList>("haken"); // per box, its check box
        const QString nichtMehr = QStringLiteral("Diese Hinweise nicht mehr zeigen");
        QTest::newRow("Landesstraße") << "Command1" << "Command3" << QStringList{nichtMehr};
        QTest::newRow("Gemeindestraße") << "Command3" << "Command2" << QStringList{nichtMehr};
        QTest::newRow("Sanierung") << "Command2" << "Command1" << QStringList{QString(), nichtMehr};
    }
    void tickedNotesStayAwayUntilShownAgain()
    {
        QFETCH(QString, knopfname);
        QFETCH(QString, andererPfad);
        QFETCH(QStringList, haken);
        // The check boxes of the boxes a path start showed; it went back to the menu.
        const auto starten = [this](const QString& name) {
            t->meldungen.meldungen.clear();
            knopf(name.toUtf8().constData())->click();
            QStringList gezeigt;
            for (const Meldung& m : std::as_const(t->meldungen.meldungen))
                gezeigt << m.haken;
            if (!schritt(1))
                return QStringList{QStringLiteral("<Pfad nicht geöffnet>")};
            schritt(1)->hauptmenueknopf()->click();
            geschlosseneAufraeumen();
            return gezeigt;
        };
        QCOMPARE(starten(knopfname), haken);
        QCOMPARE(starten(knopfname), haken); // unticked, nothing changes
        t->meldungen.abhaken = true;
        QCOMPARE(starten(knopfname), haken); // the path opens after the last box all the same
        t->meldungen.abhaken = false;

        a.reset(); // the program ends…
        geschlosseneAufraeumen();
        a = std::make_unique<Anwendung>(t->dienste); // …and starts again
        a->hauptmenue()->show();
        QCOMPARE(starten(knopfname), QStringList());
        QVERIFY(!starten(andererPfad).isEmpty());

        knopf("cmdpreise")->click();
        frmpreise* preise = a->preisfenster();
        finde<QPushButton>(preise, "cmdhinweise")->click();
        QCOMPARE(statustext(preise), QStringLiteral("Die Hinweise werden vor jeder Berechnung wieder gezeigt."));
        preise->close();
        geschlosseneAufraeumen();
        QCOMPARE(starten(knopfname), haken);
    }

    void notesAreTheLinesJoinedByLineBreaks()
    {
        const QStringList land = pfadhinweise(Pfad::Landesstrasse).front().split('\n');
        QCOMPARE(land.size(), 11);
        QCOMPARE(land[2], QString());
        QCOMPARE(land[7], QString());
        QCOMPARE(land[10], QStringLiteral("Stand: April 2009"));
        QCOMPARE(land[9], QStringLiteral("Alle Ergebnisse dienen lediglich als Anhaltspunkt und müssen vor einer "
                                         "Umsetzung einer detaillierten Planung unterzogen werden."));

        const QStringList gemeinde = pfadhinweise(Pfad::Gemeindestrasse).front().split('\n');
        QCOMPARE(gemeinde.size(), 10);
        QCOMPARE(gemeinde.mid(2, 4), land.mid(3, 4));
        QCOMPARE(gemeinde.mid(7), land.mid(8));

        const QStringList sanierung = pfadhinweise(Pfad::Sanierung);
        QCOMPARE(sanierung.size(), 2);
        const QStringList erste = sanierung[0].split('\n');
        QCOMPARE(erste.size(), 8);
        QVERIFY(erste[1].endsWith(QStringLiteral("Verkabelung,")));
        QCOMPARE(erste[2], QStringLiteral("Verteilerkasten, Demontage von Lichtpunkten und Grabungsarbeiten "
                                          "berücksichtigt."));
        QCOMPARE(erste.mid(4), land.mid(3, 4));
        QCOMPARE(sanierung[1].split('\n'), land.mid(8));
    }

    void beendenAsksAndNoChangesNothing()
    {
        QSignalSpy geschlossen(a->hauptmenue(), &Formular::schliesst);
        t->meldungen.antworten = {false};
        knopf("Command4")->click();
        QCOMPARE(t->meldungen.meldungen.size(), 1);
        const Meldung& m = t->meldungen.meldungen.front();
        QCOMPARE(m.art, Meldung::Frage);
        QCOMPARE(m.titel, QStringLiteral("Beenden"));
        QCOMPARE(m.text, QStringLiteral("Wollen Sie den Grobrechner wirklich beenden?"));
        QCOMPARE(geschlossen.count(), 0);
        QCOMPARE(sichtbareFenster(), QStringList{"frmgrsbl"});
    }

    void beendenYesClosesTheMenu()
    {
        QSignalSpy geschlossen(a->hauptmenue(), &Formular::schliesst);
        t->meldungen.antworten = {true};
        knopf("Command4")->click();
        QCOMPARE(geschlossen.count(), 1);
        QVERIFY(sichtbareFenster().isEmpty());
    }

    void theRealMessageBoxesHaveTheRightIconsAndButtons()
    {
        QtMeldungen echt;
        QMessageBox::Icon symbol = QMessageBox::Warning;
        QMessageBox::StandardButtons knoepfe;
        QString titel;
        QString haken;
        const auto ansehenUndSchliessen = [&](QMessageBox::StandardButton antwort) {
            QTimer::singleShot(0, [&, antwort] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                symbol = box->icon();
                knoepfe = box->standardButtons();
                titel = box->windowTitle();
                haken = box->checkBox() ? box->checkBox()->text() : QString();
                if (box->checkBox()) {
                    QVERIFY(!box->checkBox()->isChecked());
                    box->checkBox()->click();
                }
                box->button(antwort)->click();
            });
        };
        ansehenUndSchliessen(QMessageBox::Ok);
        QCOMPARE(echt.informationMitHaken(a->hauptmenue(), QStringLiteral("Information"), QStringLiteral("Text"),
                                          QStringLiteral("Nicht mehr zeigen")),
                 std::optional<bool>(true));
        QCOMPARE(symbol, QMessageBox::Information);
        QCOMPARE(haken, QStringLiteral("Nicht mehr zeigen"));
        ansehenUndSchliessen(QMessageBox::Ok);
        echt.information(a->hauptmenue(), QStringLiteral("Eingabe fehlt"), QStringLiteral("Text"));
        QCOMPARE(symbol, QMessageBox::Information);
        QCOMPARE(knoepfe, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(titel, QStringLiteral("Eingabe fehlt"));

        ansehenUndSchliessen(QMessageBox::Yes);
        QVERIFY(echt.frage(a->hauptmenue(), QStringLiteral("Beenden"), QStringLiteral("?")));
        QCOMPARE(symbol, QMessageBox::NoIcon);
        QCOMPARE(knoepfe, QMessageBox::Yes | QMessageBox::No);
        ansehenUndSchliessen(QMessageBox::No);
        QVERIFY(!echt.frage(a->hauptmenue(), QStringLiteral("Beenden"), QStringLiteral("?")));
    }
};

QTEST_MAIN(HauptmenueTest)
#include "test_hauptmenue.moc"
