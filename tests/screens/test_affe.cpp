// A seeded random walk over the visible screen: clicks and double clicks on
// buttons, options, labels and pictures, random text typed or pasted into
// fields through the clipboard, heights
// chosen, windows closed, INFO and printing without a printer, message boxes
// answered at random. After every action the program must be alive with
// exactly one screen visible, the record must hold lamps of its catalogues,
// finite figures and no switch-off duration of 0 hours or less, and no figure
// on a result screen may be empty or read "nan" or "inf".
//
//   GROBRECHNER_AFFE_SEED=<n>       walks with another seed, or replays one
//   GROBRECHNER_AFFE_SEED=zufall    draws a fresh seed for every run
//   GROBRECHNER_AFFE_SCHRITTE=<n>   its length (default 5000)
#include "beispieleingaben.h"
#include "druckauftrag.h"
#include "frminfo.h"
#include "klickbar.h"
#include "testhilfen.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <random>

using namespace grobrechner;
using namespace grobrechner::test;

namespace {

// Message boxes answered at random; "Beenden" ends the program, as it would.
class ZufallsMeldungen final : public Meldungen {
public:
    explicit ZufallsMeldungen(std::mt19937& zufall)
        : m_zufall(zufall)
    {
    }
    bool information(QWidget*, const QString&, const QString&) override
    {
        ++anzahl;
        return true;
    }
    bool frage(QWidget*, const QString&, const QString&) override
    {
        ++anzahl;
        return std::bernoulli_distribution(0.5)(m_zufall);
    }
    int anzahl = 0;

private:
    std::mt19937& m_zufall;
};

QString zufallstext(std::mt19937& z)
{
    static const QStringList bausteine = {"0", "1", "5", "9", "00", "080", ",", ".", "-", "+", " ", "e", "a", "ß",
                                          "1.200", ",5", "999", "99999", "1e3", "inf", "nan", "\t", "\n", "\r\n", "€", "٣"};
    QString text;
    const int teile = std::uniform_int_distribution<int>(0, 6)(z);
    for (int i = 0; i < teile; ++i)
        text += bausteine[std::uniform_int_distribution<int>(0, bausteine.size() - 1)(z)];
    if (std::bernoulli_distribution(0.05)(z))
        text += QString(300, QLatin1Char('7')); // a long paste
    return text;
}

bool istErgebnis(const QWidget* w)
{
    const auto* p = qobject_cast<const Pfadformular*>(w);
    return p && p->beschreibung().istErgebnis();
}

} // namespace

class AffeTest : public QObject {
    Q_OBJECT

private slots:
    void randomWalkKeepsTheProgramSound()
    {
        // One fixed walk unless asked otherwise: every run of the suite then
        // walks the same path, and a red one replays without its log.
        const QString saatText = qEnvironmentVariable("GROBRECHNER_AFFE_SEED", QStringLiteral("20261208"));
        bool saatGelesen = true;
        const quint32 saat = saatText == u"zufall" ? std::random_device{}() : saatText.toUInt(&saatGelesen);
        QVERIFY2(saatGelesen, "GROBRECHNER_AFFE_SEED ist eine Zahl oder \"zufall\"");
        const int schritte = qEnvironmentVariableIntValue("GROBRECHNER_AFFE_SCHRITTE") > 0
                                 ? qEnvironmentVariableIntValue("GROBRECHNER_AFFE_SCHRITTE")
                                 : 5000;
        qInfo("Affe: GROBRECHNER_AFFE_SEED=%u, %d Schritte", saat, schritte);
        std::mt19937 zufall(saat);

        ZufallsMeldungen meldungen(zufall);
        Testdienste t;
        t.dienste.meldungen = &meldungen;
        t.dienste.neuerDruckauftrag = [] { return std::make_unique<QtDruckauftrag>(Drucker{}); };
        auto anwendung = std::make_unique<Anwendung>(t.dienste);
        anwendung->hauptmenue()->show();

        QElapsedTimer uhr;
        uhr.start();
        int neustarts = 0;
        QString letzteAktion;
        QSet<QString> besucht;
        for (int schritt = 0; schritt < schritte && uhr.elapsed() < 90000; ++schritt) {
            if (!anwendung->hauptmenue()) {
                // Closing the main menu ended the program: start it again, as a user would.
                anwendung = std::make_unique<Anwendung>(t.dienste);
                anwendung->hauptmenue()->show();
                ++neustarts;
            }
            letzteAktion = handeln(zufall);
            if (QWidget* w = aktivesFenster())
                besucht.insert(w->objectName());
            QCoreApplication::processEvents();
            geschlosseneAufraeumen();
            const QString fehler = anwendung->hauptmenue() ? pruefen(anwendung->daten()) : QString();
            if (!fehler.isEmpty())
                QFAIL(qPrintable(QStringLiteral("Schritt %1 (%2), GROBRECHNER_AFFE_SEED=%3: %4")
                                     .arg(schritt)
                                     .arg(letzteAktion)
                                     .arg(saat)
                                     .arg(fehler)));
        }
        qInfo("Affe: %d Meldungen, %d Neustarts, %lld ms, %lld Bildschirme besucht", meldungen.anzahl, neustarts,
              uhr.elapsed(), qsizetype(besucht.size()));
        // A walk that never gets past the main menu would prove nothing.
        QVERIFY(besucht.size() >= 8);
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        anwendung.reset();
        geschlosseneAufraeumen();
    }

private:
    // The window that takes input now: the info screen while it is open,
    // otherwise the one visible screen.
    static QWidget* aktivesFenster()
    {
        if (QWidget* modal = QApplication::activeModalWidget())
            return modal;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->objectName().isEmpty())
                return w;
        return nullptr;
    }

    QString handeln(std::mt19937& z)
    {
        QWidget* fenster = aktivesFenster();
        if (!fenster)
            return QStringLiteral("nichts sichtbar");
        QList<QWidget*> ziele;
        for (QWidget* w : fenster->findChildren<QWidget*>()) {
            if (!w->isVisible() || !w->isEnabled())
                continue;
            if (qobject_cast<QAbstractButton*>(w) || qobject_cast<KlickLabel*>(w) || qobject_cast<Bild*>(w)
                || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w))
                ziele.append(w);
        }
        const int wahl = std::uniform_int_distribution<int>(0, 99)(z);
        if (wahl < 2) {
            fenster->close();
            return fenster->objectName() + QStringLiteral(" schließen");
        }
        if (wahl < 4) {
            QTest::keyClick(fenster->focusWidget() ? fenster->focusWidget() : fenster, Qt::Key_Return);
            return fenster->objectName() + QStringLiteral(" Enter");
        }
        if (wahl < 12) {
            // Now and then figures that pass, so the walk reaches the later screens.
            beispieleingabenMachen(*fenster);
            return fenster->objectName() + QStringLiteral(" Beispieleingaben");
        }
        if (ziele.isEmpty())
            return QStringLiteral("keine Ziele");
        if (wahl < 16) {
            // A double click as the window system delivers it, the second
            // click landing on whatever the first one brought up.
            QWidget* ziel = ziele[std::uniform_int_distribution<int>(0, ziele.size() - 1)(z)];
            const QPoint punkt = ziel->mapToGlobal(ziel->rect().center());
            const int zeit = QTest::lastMouseTimestamp + 1000;
            const QString name = fenster->objectName() + QLatin1Char('/') + ziel->objectName();
            klickAmOrt(punkt, zeit);
            klickAmOrt(punkt, zeit + 60);
            QTest::lastMouseTimestamp = zeit + 2000;
            return name + QStringLiteral(" doppelklickt");
        }
        QWidget* ziel = ziele[std::uniform_int_distribution<int>(0, ziele.size() - 1)(z)];
        const QString name = fenster->objectName() + QLatin1Char('/') + ziel->objectName();
        if (auto* feld = qobject_cast<QLineEdit*>(ziel)) {
            feld->setFocus();
            if (std::bernoulli_distribution(0.5)(z))
                feld->clear();
            const QString text = zufallstext(z);
            const QString getippt = text.left(12);
            const bool tippbar = std::all_of(getippt.begin(), getippt.end(), [](QChar c) {
                return c.unicode() >= 0x20 && c.unicode() < 0x7f; // what QTest can type key by key
            });
            if (tippbar && std::bernoulli_distribution(0.5)(z)) {
                QTest::keyClicks(feld, getippt);
            } else {
                QGuiApplication::clipboard()->setText(text);
                QTest::keySequence(feld, QKeySequence::Paste);
            }
            return name + QStringLiteral(" tippt »") + text.left(20) + QStringLiteral("«");
        }
        if (auto* liste = qobject_cast<QComboBox*>(ziel)) {
            liste->setFocus();
            QTest::keyClick(liste, std::bernoulli_distribution(0.7)(z) ? Qt::Key_Down : Qt::Key_Up);
            return name + QStringLiteral(" wählt ") + liste->currentText();
        }
        if (auto* knopf = qobject_cast<QAbstractButton*>(ziel)) {
            knopf->click();
            return name + QStringLiteral(" klickt");
        }
        QTest::mouseClick(ziel, Qt::LeftButton);
        return name + QStringLiteral(" klickt");
    }

    static QString pruefen(const Kalkulationsdaten& d)
    {
        QStringList sichtbar;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->objectName().isEmpty() && w->objectName() != QStringLiteral("frminfo"))
                sichtbar << w->objectName();
        if (sichtbar.size() != 1)
            return QStringLiteral("sichtbar: ") + sichtbar.join(QStringLiteral(", "));

        // The cost models read the lamps' rows without asking.
        const auto imKatalog = [](const auto* zeile, const auto& katalog) {
            return std::any_of(katalog.begin(), katalog.end(), [zeile](const auto& z) { return &z == zeile; });
        };
        if (!imKatalog(d.lampe, Lampenkatalog) || !imKatalog(d.bestandslampe, Bestandskatalog))
            return QStringLiteral("eine Lampe des Datensatzes steht in keinem Katalog");
        for (const Schaltung* s : {&d.schaltung, &d.schaltungb})
            if (s->abschaltdauer && !(std::isfinite(*s->abschaltdauer) && *s->abschaltdauer > 0))
                return QStringLiteral("eine Abschaltdauer des Datensatzes ist nicht über 0: %1").arg(*s->abschaltdauer);
        for (const float zahl : {d.strlaenge, d.lphoehe, d.lpabstand, d.anzahllp, d.grabungsl, d.strompreis, d.wattageb})
            if (!std::isfinite(zahl))
                return QStringLiteral("eine Zahl des Datensatzes ist nicht endlich: %1").arg(zahl);

        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || !istErgebnis(w))
                continue;
            for (QLabel* l : w->findChildren<QLabel*>()) {
                const QString name = l->objectName();
                // The calculation's name is the user's own text.
                if (!name.startsWith(QStringLiteral("lbl")) || name == QStringLiteral("lbluhr")
                    || name == QStringLiteral("lblinfo") || name == QStringLiteral("lblbezeichnung")
                    || !l->isVisibleTo(w))
                    continue;
                const QString text = l->text();
                if (text.isEmpty() || text.contains(QStringLiteral("nan"), Qt::CaseInsensitive)
                    || text.contains(QStringLiteral("inf"), Qt::CaseInsensitive))
                    return w->objectName() + QLatin1Char('/') + name + QStringLiteral(" zeigt »") + text
                           + QStringLiteral("«");
            }
        }
        return {};
    }
};

QTEST_MAIN(AffeTest)
#include "test_affe.moc"
