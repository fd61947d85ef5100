// The keyboard on every screen: Enter and Return press the focused button,
// result screens open with the focus on the way forward, Escape leaves a
// screen the way its back button does, Tab goes in reading order, F1 opens
// the information, the page keys scroll what does not fit.
#include "frminfo.h"
#include "testhilfen.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace grobrechner;
using namespace grobrechner::test;

class TastaturTest : public Programmtest {
    Q_OBJECT

    frminfo* offeneInfo() const { return qobject_cast<frminfo*>(QApplication::activeModalWidget()); }

    // Any of the seventeen screens, reached as the user reaches it.
    QWidget* oeffnen(const QString& name)
    {
        if (name == QStringLiteral("frmgrsbl"))
            return a->hauptmenue();
        if (name == QStringLiteral("frminfo")) {
            klicken(finde(a->hauptmenue(), "lblinfo"));
            return offeneInfo();
        }
        const Pfadbildschirm& b = pfadbildschirm(name);
        return bisSchritt(b.pfad, nummer(b.schritt));
    }

    static void aktivieren(QWidget* fenster)
    {
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster));
    }

    // Where the focus is; an option counts as its frame, which is one stop.
    static QString stelle()
    {
        QWidget* w = QApplication::focusWidget();
        if (!w)
            return QStringLiteral("<nichts>");
        return qobject_cast<QRadioButton*>(w) ? w->parentWidget()->objectName() : w->objectName();
    }

private slots:
    void cleanup()
    {
        if (frminfo* info = offeneInfo())
            info->close();
        Programmtest::cleanup();
    }

    void enterAndReturnPressTheFocusedButton_data()
    {
        QTest::addColumn<QString>("bildschirm");
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<int>("taste");
        QTest::newRow("main menu, Return") << "frmgrsbl" << "Command4" << int(Qt::Key_Return);
        QTest::newRow("main menu, Enter") << "frmgrsbl" << "Command2" << int(Qt::Key_Enter);
        QTest::newRow("input screen") << "frmneuerrland" << "Command1" << int(Qt::Key_Return);
        QTest::newRow("result screen, print") << "frmerrko_neuerrgde" << "Command3" << int(Qt::Key_Enter);
        QTest::newRow("sheet, back") << "frmerg_san" << "cmdback" << int(Qt::Key_Return);
        QTest::newRow("info, print") << "frminfo" << "Command3" << int(Qt::Key_Return);
    }
    void enterAndReturnPressTheFocusedButton()
    {
        QFETCH(QString, bildschirm);
        QFETCH(QString, knopf);
        QFETCH(int, taste);
        QWidget* fenster = oeffnen(bildschirm);
        QVERIFY(fenster);
        auto* k = fenster->findChild<QPushButton*>(knopf);
        QSignalSpy gedrueckt(k, &QPushButton::clicked);
        k->setFocus();
        QTest::keyClick(k, Qt::Key(taste));
        QTRY_COMPARE(gedrueckt.size(), 1);
    }

    void resultScreensOpenWithTheFocusOnTheWayForward_data()
    {
        QTest::addColumn<QString>("bildschirm");
        QTest::addColumn<QString>("danach");
        for (const Pfadbildschirm& b : pfadbildschirme())
            if (b.istErgebnis())
                QTest::newRow(qPrintable(b.name))
                    << b.name << (danach(b.schritt) ? pfadbildschirm(b.pfad, *danach(b.schritt)).name : QStringLiteral("frmgrsbl"));
    }
    void resultScreensOpenWithTheFocusOnTheWayForward()
    {
        QFETCH(QString, bildschirm);
        QFETCH(QString, danach);
        aktivieren(oeffnen(bildschirm));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(sichtbareFenster(), QStringList{danach});
        QVERIFY(t->meldungen.meldungen.isEmpty()); // no print question
    }

    void escapeGoesBackAsTheBackButtonDoes_data()
    {
        QTest::addColumn<QString>("bildschirm");
        QTest::addColumn<QString>("danach");
        QTest::newRow("main menu: nothing") << "frmgrsbl" << "frmgrsbl";
        QTest::newRow("frminfo: closes") << "frminfo" << "frmgrsbl";
        for (const Pfadbildschirm& b : pfadbildschirme())
            QTest::newRow(qPrintable(b.name))
                << b.name << (davor(b.schritt) ? pfadbildschirm(b.pfad, *davor(b.schritt)).name : QStringLiteral("frmgrsbl"));
    }
    void escapeGoesBackAsTheBackButtonDoes()
    {
        QFETCH(QString, bildschirm);
        QFETCH(QString, danach);
        QWidget* s = oeffnen(bildschirm);
        QTest::keyClick(s->focusWidget() ? s->focusWidget() : s, Qt::Key_Escape);
        geschlosseneAufraeumen();
        QCOMPARE(sichtbareFenster(), QStringList{danach});
        QVERIFY(!offeneInfo());
        QVERIFY(t->meldungen.meldungen.isEmpty());
    }

    void tabGoesInReadingOrderOnTheLargestScreens_data()
    {
        QTest::addColumn<QString>("bildschirm");
        QTest::addColumn<QStringList>("reihe");
        // Top to bottom, the left column before the right, the buttons last;
        // the calculate button first among them, as on the construction inputs.
        QTest::newRow("frmbetrko_san") << "frmbetrko_san"
                                       << QStringList{"txtwattageb", "Frame8",     "Frame7",  "Frame5",  "Frame6",
                                                      "Frame4",      "Frame1",     "Frame3",  "Frame2",  "txtstromko",
                                                      "Command4",    "cmdback",    "Command1", "cmdspeichern"};
        QTest::newRow("frmbetrko_gde") << "frmbetrko_gde"
                                       << QStringList{"txtstromko", "Command4", "cmdback", "Command1", "cmdspeichern",
                                                      "Frame4",     "Frame1",   "Frame3",  "Frame2"};
    }
    void tabGoesInReadingOrderOnTheLargestScreens()
    {
        QFETCH(QString, bildschirm);
        QFETCH(QStringList, reihe);
        QWidget* s = oeffnen(bildschirm);
        aktivieren(s);
        // Once round, from the field the screen starts in back to it.
        for (const QString& name : reihe + QStringList{reihe.front()}) {
            QCOMPARE(stelle(), name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }

    void f1OpensTheInformation()
    {
        QWidget* s = oeffnen(QStringLiteral("frmbetrkoerg_land"));
        aktivieren(s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QVERIFY(offeneInfo());
    }

    void pageKeysScrollWhatDoesNotFit()
    {
        QWidget* s = oeffnen(QStringLiteral("frmerg_san"));
        aktivieren(s);
        s->resize(s->minimumSize());
        QScrollBar* leiste = s->findChild<QScrollArea*>()->verticalScrollBar();
        QVERIFY(leiste->maximum() > leiste->pageStep());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QCOMPARE(leiste->value(), leiste->pageStep());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QCOMPARE(leiste->value(), 0);
    }
};

QTEST_MAIN(TastaturTest)
#include "test_tastatur.moc"
