// A hurried user: double clicks on the buttons that change the screen, and
// pastes that do not fit a field.
#include "laengenwache.h"
#include "testhilfen.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace grobrechner;
using namespace grobrechner::test;

namespace {

QWidget* sichtbarerBildschirm()
{
    const QStringList namen = sichtbareFenster();
    if (namen.size() != 1)
        return nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == namen.front())
            return w;
    return nullptr;
}

enum class Weg { StrgV, Kontextmenue, Tippen, Ablegen };

} // namespace

class HastTest : public Programmtest {
    Q_OBJECT

private slots:
    void theSecondClickOfADoubleClickNeverActsOnTheNextScreen_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<int>("k");
        QTest::addColumn<bool>("vor");
        for (Pfad p : allePfade)
            for (int k = 1; k <= 5; ++k) {
                const QString name = pfadbildschirm(p, k).name;
                if (k < 5)
                    QTest::addRow("%s vor", qPrintable(name)) << p << k << true;
                if (k > 1)
                    QTest::addRow("%s zurück", qPrintable(name)) << p << k << false;
            }
    }
    void theSecondClickOfADoubleClickNeverActsOnTheNextScreen()
    {
        QFETCH(Pfad, pfad);
        QFETCH(int, k);
        QFETCH(bool, vor);
        Pfadformular* s = bisSchritt(pfad, k);
        eingabenMachen(s);
        QAbstractButton* knopf = vor ? s->vorwaertsknopf() : s->zurueckknopf();
        const QPoint punkt = knopf->mapToGlobal(knopf->rect().center());
        const QString erwartet = pfadbildschirm(pfad, vor ? k + 1 : k - 1).name;

        // Two clicks 60 ms apart, well inside any double-click interval.
        const int zeit = QTest::lastMouseTimestamp + 1000;
        QVERIFY(klickAmOrt(punkt, zeit));
        QWidget* neu = sichtbarerBildschirm();
        QVERIFY(neu);
        QCOMPARE(neu->objectName(), erwartet);
        QWidget* darunter = neu->childAt(neu->mapFromGlobal(punkt));
        const bool knopfDarunter = qobject_cast<QAbstractButton*>(darunter) && darunter->isEnabled();
        int gedrueckt = 0;
        for (QAbstractButton* b : neu->findChildren<QAbstractButton*>())
            connect(b, &QAbstractButton::pressed, this, [&gedrueckt] { ++gedrueckt; });
        QVERIFY(klickAmOrt(punkt, zeit + 60));
        QCOMPARE(gedrueckt, 0);
        QCOMPARE(sichtbareFenster(), QStringList{erwartet});
        QVERIFY(t->meldungen.meldungen.isEmpty());
        for (int i = 1; i <= (vor ? k + 1 : k - 1); ++i)
            QVERIFY(schritt(i));

        // A click after the interval is an ordinary click again.
        QVERIFY(klickAmOrt(punkt, zeit + 80 + QApplication::doubleClickInterval()));
        QCOMPARE(gedrueckt, knopfDarunter ? 1 : 0);
        QTest::lastMouseTimestamp = zeit + 2000;
    }

    void theKeyboardIsNotHeldBackOnANewScreen()
    {
        Pfadformular* s = bisSchritt(Pfad::Landesstrasse, 2);
        const QPoint punkt = s->vorwaertsknopf()->mapToGlobal(s->vorwaertsknopf()->rect().center());
        QVERIFY(klickAmOrt(punkt, QTest::lastMouseTimestamp + 1000));
        auto* preis = finde<QLineEdit>(schritt(3), "txtstromko");
        QTest::keyClicks(preis, QStringLiteral("15"));
        QCOMPARE(preis->text(), QStringLiteral("15"));
        QTest::lastMouseTimestamp += 2000;
    }

    void aFieldRefusesWhatDoesNotFitAndSaysSo_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<Weg>("weg");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("nachher");
        QTest::addColumn<bool>("zuLang");

        const auto L = Pfad::Landesstrasse;
        const auto S = Pfad::Sanierung;
        // Cut by Qt, these were priced as 1 000 m, 150 and 999 light points,
        // 1 hour and 32 Cent.
        QTest::newRow("Millionen Meter") << L << 1 << "txtstraßenlänge" << "800" << Weg::StrgV << "1.000.000" << "800" << true;
        QTest::newRow("größte float") << L << 1 << "txtstraßenlänge" << "" << Weg::StrgV << "3,4028235e38" << "" << true;
        QTest::newRow("Lichtpunkte") << S << 1 << "txtlp" << "" << Weg::StrgV << "99999" << "" << true;
        QTest::newRow("Lichtpunkte getippt") << S << 1 << "txtlp" << "" << Weg::Tippen << "1500" << "150" << true;
        QTest::newRow("Abschaltdauer") << S << 3 << "txtabschaltungbdauer" << "" << Weg::StrgV << "1e308" << "" << true;
        QTest::newRow("Strompreis") << L << 3 << "txtstromko" << "" << Weg::Kontextmenue << "32,5" << "" << true;
        QTest::newRow("hineingezogen") << S << 1 << "txtlp" << "12" << Weg::Ablegen << "500" << "12" << true;
        QTest::newRow("Wattage statt der Auswahl") << S << 3 << "txtwattageb" << "7" << Weg::StrgV << "1500" << "7" << true;
        // What fits goes in as before; a spreadsheet cell's line break is dropped.
        QTest::newRow("Tabellenzelle") << L << 1 << "txtgrabungslänge" << "" << Weg::StrgV << "5\n" << "5" << false;
        QTest::newRow("Tabellenzelle Windows") << S << 3 << "txtstromko" << "" << Weg::Kontextmenue << "15\r\n" << "15" << false;
        QTest::newRow("passt genau") << S << 1 << "txtlp" << "" << Weg::StrgV << "250" << "250" << false;
        QTest::newRow("ersetzt die Auswahl") << S << 1 << "txtlp" << "999" << Weg::StrgV << "120" << "120" << false;
        QTest::newRow("hineingezogen, passt") << S << 1 << "txtlp" << "" << Weg::Ablegen << "40" << "40" << false;
        QTest::newRow("getippt") << L << 1 << "txtstraßenlänge" << "" << Weg::Tippen << "1200" << "1200" << false;
    }
    void aFieldRefusesWhatDoesNotFitAndSaysSo()
    {
        QFETCH(Pfad, pfad);
        QFETCH(int, k);
        QFETCH(QString, feld);
        QFETCH(QString, vorher);
        QFETCH(Weg, weg);
        QFETCH(QString, eingabe);
        QFETCH(QString, nachher);
        QFETCH(bool, zuLang);

        Pfadformular* s = bisSchritt(pfad, k);
        if (feld.contains(QStringLiteral("abschaltung")))
            waehlen(finde<QRadioButton>(s, "optabschaltjab")); // shows the duration field
        auto* f = finde<QLineEdit>(s, qPrintable(feld));
        QVERIFY(f && f->isVisible());
        f->setFocus();
        f->setText(vorher);
        f->selectAll();
        auto* leiste = finde<QStatusBar>(s, "StatusBar2");
        leiste->showMessage(QStringLiteral("vorher"));

        QGuiApplication::clipboard()->setText(eingabe);
        switch (weg) {
        case Weg::StrgV:
            QTest::keySequence(f, QKeySequence::Paste);
            break;
        case Weg::Kontextmenue: {
            QContextMenuEvent menueEreignis(QContextMenuEvent::Mouse, f->rect().center(), f->mapToGlobal(f->rect().center()));
            QApplication::sendEvent(f, &menueEreignis);
            auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menue);
            const QString einfuegen = QCoreApplication::translate("QLineEdit", "&Paste");
            for (QAction* aktion : menue->actions())
                if (aktion->text().startsWith(einfuegen))
                    aktion->trigger();
            menue->close();
            break;
        }
        case Weg::Tippen:
            QTest::keyClicks(f, eingabe);
            break;
        case Weg::Ablegen: {
            // Text dragged in from another program.
            QMimeData gezogen;
            gezogen.setText(eingabe);
            QDragEnterEvent ankommen(f->rect().center(), Qt::CopyAction, &gezogen, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(f, &ankommen);
            QDropEvent ablegen(f->rect().center(), Qt::CopyAction, &gezogen, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(f, &ablegen);
            break;
        }
        }
        QCOMPARE(f->text(), nachher);
        const QString hinweis = !zuLang                 ? QStringLiteral("vorher")
                                : weg == Weg::Tippen    ? Laengenwache::hinweisGetippt(f->maxLength())
                                                        : Laengenwache::hinweisEingefuegt(f->maxLength());
        QCOMPARE(leiste->currentMessage(), hinweis);
    }
};

QTEST_MAIN(HastTest)
#include "test_hast.moc"
