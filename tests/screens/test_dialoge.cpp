// Real message boxes and the info screen against windows that close under
// them: a screen reader or UI automation can press a button of the covered
// window, or close it, while its box is open. Nothing may be freed twice, and
// nothing may go on working on a closed window (run it under AddressSanitizer).
// Also: the boxes answer in German under a C locale.
#include "druckauftrag.h"
#include "frminfo.h"
#include "sprache.h"
#include "testhilfen.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace grobrechner;
using namespace grobrechner::test;

namespace {

// Where a box is opened: the screen it belongs to and what opens it.
enum class Ort {
    Pfadhinweis,
    Schutzvermerk,
    EingabeFehlt,
    FalscheEingabe,
    FalscherPreis,
    DruckenErgebnis,
    DruckfehlerBlatt,
    DruckenInfo
};

QWidget* fenster(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && !w->isHidden())
            return w;
    return nullptr;
}

// Presses a button the way a screen reader does: past any modal box.
void barrierefreiDruecken(QWidget* knopf)
{
    QAccessibleInterface* schnittstelle = QAccessible::queryAccessibleInterface(knopf);
    QVERIFY(schnittstelle && schnittstelle->actionInterface());
    schnittstelle->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Answers the real boxes while the test's own call waits in one of them: the
// box titled `ziel` gets the action, every other one Yes (or OK). Gives up
// after a few seconds rather than hang.
class Bediener : public QObject {
public:
    Bediener(QString ziel, std::function<void()> aktion)
        : m_ziel(std::move(ziel))
        , m_aktion(std::move(aktion))
    {
        connect(&m_takt, &QTimer::timeout, this, &Bediener::nachsehen);
        m_takt.start(10);
        m_uhr.start();
    }
    QStringList gesehen;
    bool aufgegeben = false;

private:
    void nachsehen()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (m_uhr.elapsed() > 5000) {
            aufgegeben = true;
            box->done(QMessageBox::No);
            return;
        }
        if (box == m_letzte)
            return; // the action is on its way (a press takes a moment)
        m_letzte = box;
        gesehen << box->windowTitle();
        if (box->windowTitle() == m_ziel && gesehen.count(m_ziel) == 1)
            m_aktion();
        else
            (box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes) : box->button(QMessageBox::Ok))->click();
    }

    QString m_ziel;
    std::function<void()> m_aktion;
    QTimer m_takt;
    QElapsedTimer m_uhr;
    QPointer<QMessageBox> m_letzte;
};

} // namespace

class DialogeTest : public Programmtest {
    Q_OBJECT

    QtMeldungen m_echt;

    // Opens the way to the box and returns the button whose click opens it.
    QAbstractButton* hinfuehren(Ort ort)
    {
        a->dienste().meldungen = &m_echt;
        // Closing the menu would end the program, and with it every later box.
        QObject::disconnect(a->hauptmenue(), &Formular::schliesst, qApp, nullptr);
        switch (ort) {
        case Ort::Pfadhinweis:
            return finde<QAbstractButton>(a->hauptmenue(), "Command1");
        case Ort::Schutzvermerk:
            return nullptr;
        case Ort::EingabeFehlt:
            return bisSchritt(Pfad::Landesstrasse, 1)->vorwaertsknopf();
        case Ort::FalscheEingabe:
            return bisSchritt(Pfad::Gemeindestrasse, 3)->vorwaertsknopf();
        case Ort::FalscherPreis: {
            finde<QAbstractButton>(a->hauptmenue(), "cmdpreise")->click();
            QWidget* preise = ::fenster(QStringLiteral("frmpreise"));
            finde<QLineEdit>(preise, "txtpreisindex")->setText(QStringLiteral("viel"));
            return finde<QAbstractButton>(preise, "cmdübernehmen");
        }
        case Ort::DruckenErgebnis:
            return bisSchritt(Pfad::Gemeindestrasse, 2)->druckknopf();
        case Ort::DruckfehlerBlatt: {
            Pfadformular* blatt = bisSchritt(Pfad::Sanierung, 5);
            a->dienste().neuerDruckauftrag = [] { return std::make_unique<QtDruckauftrag>(Drucker{}); };
            return blatt->druckknopf();
        }
        case Ort::DruckenInfo:
            bisSchritt(Pfad::Landesstrasse, 4)->rahmen().infoOeffnen();
            return finde<QAbstractButton>(QApplication::activeModalWidget(), "Command3");
        }
        return nullptr;
    }

private slots:
    void closingAWindowUnderItsBoxFreesNothingTwice_data()
    {
        QTest::addColumn<Ort>("ort");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("fenster"); // the window acted on…
        QTest::addColumn<QString>("knopf");   // …through this button, or by close() when empty
        QTest::addColumn<bool>("bleibt");     // a window left for the next step lives on, hidden

        const struct {
            Ort ort;
            const char* box;
            const char* fenster;
            QStringList knoepfe;
        } faelle[] = {
            {Ort::Pfadhinweis, "Information", "frmgrsbl", {"", "Command4"}},
            {Ort::Schutzvermerk, "Schutzvermerk", "frmgrsbl", {"", "Command4"}},
            {Ort::EingabeFehlt, "Eingabe fehlt", "frmneuerrland", {"", "Command1"}},
            {Ort::FalscheEingabe, "Falsche Eingabe", "frmbetrko_gde", {"", "cmdback", "Command1"}},
            {Ort::FalscherPreis, "Falsche Eingabe", "frmpreise", {"", "cmdabbrechen"}},
            {Ort::DruckenErgebnis, "Drucken", "frmerrko_neuerrgde", {"", "cmdback", "Command1", "Command2"}},
            {Ort::DruckfehlerBlatt, "Druckfehler", "frmerg_san", {"", "cmdback", "Command1"}},
            {Ort::DruckenInfo, "Drucken", "frminfo", {"", "Command4"}},
            {Ort::DruckenInfo, "Drucken", "frmbetrkoerg_land", {"", "Command1"}},
        };
        for (const auto& f : faelle)
            for (const QString& knopf : f.knoepfe)
                QTest::addRow("%s über %s: %s", f.box, f.fenster,
                              knopf.isEmpty() ? "close()" : qPrintable(QStringLiteral("drückt ") + knopf))
                    << f.ort << QString::fromUtf8(f.box) << QString::fromUtf8(f.fenster) << knopf
                    << (knopf == QStringLiteral("Command2"));
    }
    void closingAWindowUnderItsBoxFreesNothingTwice()
    {
        QFETCH(Ort, ort);
        QFETCH(QString, box);
        QFETCH(QString, fenster);
        QFETCH(QString, knopf);
        QFETCH(bool, bleibt);

        QAbstractButton* oeffner = hinfuehren(ort);
        QPointer<QWidget> ziel = ::fenster(fenster);
        QVERIFY(ziel);
        Bediener bediener(box, [&] {
            if (knopf.isEmpty())
                ziel->close();
            else
                barrierefreiDruecken(ziel->findChild<QWidget*>(knopf));
        });
        if (oeffner)
            oeffner->click();
        else
            klicken(finde(a->hauptmenue(), "Label3"));
        // The screen reader's "Beenden" brings its own question, answered Yes.
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(!bediener.aufgegeben);
        geschlosseneAufraeumen();

        QCOMPARE(bediener.gesehen.count(box), 1);
        QCOMPARE(!ziel.isNull(), bleibt);
        if (ziel)
            QVERIFY(ziel->isHidden());
        // Nothing went on on the closed window: no printout, no further box.
        QCOMPARE(t->druck.auftraege, 0);
        QCOMPARE(bediener.gesehen.last(), knopf == QStringLiteral("Command4") && fenster == u"frmgrsbl"
                                              ? QStringLiteral("Beenden")
                                              : box);
        // The path is either gone with the window or shown one step on.
        QVERIFY(sichtbareFenster().size() <= 1);
    }

    void theInfoScreenGoesWithTheScreenBeneathIt()
    {
        Pfadformular* s = bisSchritt(Pfad::Sanierung, 2);
        s->rahmen().infoOeffnen();
        QPointer<QWidget> info = QApplication::activeModalWidget();
        QVERIFY(qobject_cast<frminfo*>(info));
        barrierefreiDruecken(s->hauptmenueknopf());
        QTRY_VERIFY(info.isNull());
        QCOMPARE(sichtbareFenster(), QStringList{"frmgrsbl"});
    }

    void boxesAnswerInGermanUnderACLocale_data()
    {
        QTest::addColumn<bool>("frage");
        QTest::addColumn<QStringList>("knoepfe");
        QTest::newRow("Information") << false << QStringList{"OK"};
        QTest::newRow("Frage") << true << QStringList{"Ja", "Nein"};
    }
    void boxesAnswerInGermanUnderACLocale()
    {
        QFETCH(bool, frage);
        QFETCH(QStringList, knoepfe);
        QCOMPARE(QLocale::system().name(), QStringLiteral("C"));
        QStringList gelesen;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton* k : box->buttons())
                gelesen << k->text().remove(QLatin1Char('&'));
            box->buttons().constLast()->click();
        });
        QtMeldungen echt;
        if (frage)
            echt.frage(a->hauptmenue(), QStringLiteral("Beenden"), QStringLiteral("?"));
        else
            echt.information(a->hauptmenue(), QStringLiteral("Information"), QStringLiteral("!"));
        gelesen.sort();
        QCOMPARE(gelesen, knoepfe);
    }

    void qtsOwnTextsAreGermanWhereItsTranslationIsInstalled()
    {
        if (!qtAufDeutsch())
            QSKIP("Qt's German translation (qt6-translations-l10n) is not installed");
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Paste").remove(QLatin1Char('&')), QStringLiteral("Einfügen"));
    }
};

int main(int argc, char* argv[])
{
    // Under the plain C locale, whatever the machine's own is.
    qputenv("LC_ALL", "C");
    qputenv("LANG", "C");
    QApplication anwendung(argc, argv);
    DialogeTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_dialoge.moc"
