// All screens' texts on every path against textabzug.txt; GROBRECHNER_TEXTABZUG_SCHREIBEN=1 rewrites the file instead.
#include "frminfo.h"
#include "testhilfen.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace grobrechner;
using namespace grobrechner::test;

namespace {

// What the second walk of a path changes after the example inputs: the other
// keyword of every choice and other figures. A row without a text clicks an
// option. Rows whose name a screen lacks, or has disabled (the state road
// offers no switch-off), are passed over there.
struct Aenderung {
    const char* schirm; // empty: every screen that has the name
    const char* name;
    const char* text = nullptr;
};
const Aenderung aenderungen[] = {
    {"", "optdeko"}, {"", "optvtnein"},
    {"frmneuerrland", "cbolichtpunkthöhe", "8"},
    {"frmneuerrgde", "cbolichtpunkthöhe", "4,5"}, {"frmneuerrgde", "txtlpabstand", "18"},
    {"frmsan", "optmastja"}, {"frmsan", "txtlp", "2,5"},
    {"frmbetrko_land", "Option11"}, {"frmbetrko_gde", "Option16"}, {"frmbetrko_san", "Option11"},
    {"", "optastro"}, {"", "optabschaltja"}, {"", "txtabschaltungdauer", "4"}, {"", "optsenkja"},
    {"", "Option27"}, {"", "txtwattageb", "125"},
    {"", "optastrob"}, {"", "optabschaltjab"}, {"", "txtabschaltungbdauer", "3"}, {"", "optsenkjab"},
    {"", "txtstromko", "12"},
};

// One line in the file per widget: tabs and line breaks inside a text would
// split it.
QString einzeilig(QString s)
{
    return s.replace('\\', QLatin1String("\\\\"))
        .replace('\n', QLatin1String("\\n"))
        .replace('\t', QLatin1String("\\t"));
}

// "name <tab> kind <tab> text [<tab> state…]"; empty for widgets that show no text.
QString zeile(QWidget* w, QWidget* schirm)
{
    // The lines are sorted whole, so even unnamed widgets keep their place whatever the order of creation.
    QStringList felder{w->objectName().isEmpty() ? QStringLiteral("(unbenannt)") : w->objectName()};
    if (auto* l = qobject_cast<QLabel*>(w)) {
        felder << QStringLiteral("Label") << l->text();
    } else if (auto* o = qobject_cast<QRadioButton*>(w)) {
        felder << QStringLiteral("Option") << o->text()
               << (o->isChecked() ? QStringLiteral("gewählt") : QStringLiteral("nicht gewählt"));
    } else if (auto* k = qobject_cast<QAbstractButton*>(w)) {
        felder << QStringLiteral("Knopf") << k->text();
    } else if (auto* f = qobject_cast<QLineEdit*>(w)) {
        felder << QStringLiteral("Feld") << f->text();
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        felder << QStringLiteral("Rahmen") << g->title();
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        QStringList eintraege;
        for (int i = 0; i < c->count(); ++i)
            eintraege << c->itemText(i);
        felder << QStringLiteral("Liste") << c->currentText() << QStringLiteral("aus ") + eintraege.join(" | ");
    } else if (auto* s = qobject_cast<QStatusBar*>(w)) {
        felder << QStringLiteral("Statusleiste") << s->currentMessage();
    } else {
        return {};
    }
    if (!w->isEnabled())
        felder << QStringLiteral("gesperrt");
    // A hidden label keeps a text the screen still works with (the largest spacing).
    if (!w->isVisibleTo(schirm)) {
        if (!qobject_cast<QLabel*>(w))
            return {};
        felder << QStringLiteral("verborgen");
    }
    for (QString& feld : felder)
        feld = einzeilig(feld);
    return felder.join('\t');
}

QStringList dateizeilen(const QString& pfad)
{
    // No line of a dump is empty: each has a name or a heading.
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts) : QStringList();
}

bool schreiben(const QString& pfad, const QStringList& zeilen)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write((zeilen.join('\n') + '\n').toUtf8()) > 0;
}

// The first difference in the manner of a unified diff: two lines before it,
// the lines that differ in the same places (at most six), and the screen block.
QString ersterUnterschied(const QStringList& soll, const QStringList& ist)
{
    const qsizetype laenger = std::max(soll.size(), ist.size());
    qsizetype i = 0;
    while (i < laenger && soll.value(i) == ist.value(i))
        ++i;
    qsizetype ende = i;
    while (ende < std::min(laenger, i + 6) && soll.value(ende) != ist.value(ende))
        ++ende;
    QString block;
    for (qsizetype j = std::min(i, ist.size()); j-- > 0 && block.isEmpty();)
        if (ist[j].startsWith(QLatin1String("== ")))
            block = ist[j];
    QStringList aus{QStringLiteral("@@ Zeile %1, %2 @@").arg(i + 1).arg(block)};
    for (qsizetype j = std::max<qsizetype>(0, i - 2); j < i; ++j)
        aus << QLatin1Char(' ') + ist[j];
    for (qsizetype j = i; j < std::min(ende, soll.size()); ++j)
        aus << QLatin1Char('-') + soll[j];
    for (qsizetype j = i; j < std::min(ende, ist.size()); ++j)
        aus << QLatin1Char('+') + ist[j];
    return aus.join('\n');
}

} // namespace

class TextabzugTest : public Programmtest {
    Q_OBJECT

    QStringList abzug;
    qsizetype abgeschriebeneMeldungen = 0;
    QSet<const Aenderung*> angewandt;

    // The message boxes since the last screen, in their order, then the screen's
    // texts sorted by name.
    void festhalten(QWidget* schirm, const char* anlass)
    {
        const QList<Meldung>& meldungen = t->meldungen.meldungen;
        for (; abgeschriebeneMeldungen < meldungen.size(); ++abgeschriebeneMeldungen) {
            const Meldung& m = meldungen[abgeschriebeneMeldungen];
            abzug << QStringLiteral("Meldung\t%1\t%2").arg(m.titel, einzeilig(m.text));
        }
        QStringList zeilen;
        for (QWidget* w : schirm->findChildren<QWidget*>())
            if (w->window() == schirm) // not an open INFO above it
                if (const QString z = zeile(w, schirm); !z.isEmpty())
                    zeilen << z;
        zeilen.sort();
        abzug << QStringLiteral("== %1 (%2)").arg(schirm->objectName(), QString::fromUtf8(anlass))
              << QStringLiteral("Fenstertitel\t") + einzeilig(schirm->windowTitle()) << zeilen;
    }

    void umstellen(QWidget* schirm)
    {
        for (const Aenderung& ae : aenderungen) {
            if (*ae.schirm && schirm->objectName() != QString::fromUtf8(ae.schirm))
                continue;
            QWidget* w = finde(schirm, ae.name);
            if (!w || !w->isEnabled())
                continue;
            angewandt.insert(&ae);
            if (auto* option = qobject_cast<QRadioButton*>(w)) {
                waehlen(option);
            } else if (qobject_cast<QComboBox*>(w)) {
                hoeheWaehlen(schirm, QString::fromUtf8(ae.text));
            } else if (auto* feld = qobject_cast<QLineEdit*>(w)) {
                feld->clear();
                QTest::keyClicks(feld, QString::fromUtf8(ae.text));
            }
        }
    }

    // From the main menu through the five steps of a path, back to the
    // operating costs, and back to the menu.
    void wandern(const char* knopf, bool umgestellt)
    {
        finde<QPushButton>(a->hauptmenue(), knopf)->click();
        for (int k = 1; k <= 5; ++k) {
            Pfadformular* s = schritt(k);
            // A check that refused the inputs says why in its message box.
            const QList<Meldung>& m = t->meldungen.meldungen;
            QVERIFY2(s && s->isVisible(), qPrintable(m.isEmpty() ? QString() : m.last().text));
            festhalten(s, "angekommen");
            if (k == 5)
                break;
            if (k == 1 || k == 3) {
                eingabenMachen(s);
                if (umgestellt)
                    umstellen(s);
                festhalten(s, "ausgefüllt");
            }
            s->vorwaertsknopf()->click();
        }
        schritt(5)->zurueckknopf()->click();
        festhalten(schritt(4), "zurückgekehrt");
        schritt(4)->hauptmenueknopf()->click();
        geschlosseneAufraeumen();
    }

private slots:
    void everyScreenShowsTheRecordedTexts()
    {
        festhalten(a->hauptmenue(), "Start");
        klicken(finde(a->hauptmenue(), "lblinfo"));
        auto* info = qobject_cast<frminfo*>(QApplication::activeModalWidget());
        QVERIFY(info);
        festhalten(info, "geöffnet");
        finde<QPushButton>(info, "Command4")->click();
        geschlosseneAufraeumen();
        finde<QPushButton>(a->hauptmenue(), "cmdpreise")->click();
        QVERIFY(a->preisfenster());
        festhalten(a->preisfenster(), "geöffnet");
        finde<QPushButton>(a->preisfenster(), "cmdabbrechen")->click();
        geschlosseneAufraeumen();

        // One program for all walks: what one path leaves in the record shows on the next.
        const std::pair<Pfad, const char*> pfade[] = {
            {Pfad::Landesstrasse, "Command1"}, {Pfad::Gemeindestrasse, "Command3"}, {Pfad::Sanierung, "Command2"}};
        for (const auto& [pfad, knopf] : pfade)
            for (bool umgestellt : {false, true}) {
                abzug << QStringLiteral("### %1, %2").arg(pfadbildschirm(pfad, 1).name,
                                                          QString::fromUtf8(umgestellt ? "umgestellt" : "Beispiel"));
                wandern(knopf, umgestellt);
                if (QTest::currentTestFailed())
                    return;
            }
        // A misspelt row would leave the second walks silently weaker.
        for (const Aenderung& ae : aenderungen)
            QVERIFY2(angewandt.contains(&ae), ae.name);

        const QString soll = QStringLiteral(TEXTABZUG_SOLL);
        if (qEnvironmentVariableIntValue("GROBRECHNER_TEXTABZUG_SCHREIBEN") == 1) {
            QVERIFY(schreiben(soll, abzug));
            QSKIP(qPrintable(QStringLiteral("GROBRECHNER_TEXTABZUG_SCHREIBEN=1: %1 neu geschrieben, nichts verglichen")
                                 .arg(soll)));
        }
        const QString ist = QCoreApplication::applicationDirPath() + QStringLiteral("/textabzug.ist.txt");
        QVERIFY(schreiben(ist, abzug));
        const QStringList erwartet = dateizeilen(soll);
        QVERIFY2(erwartet == abzug, qPrintable(QStringLiteral("Der Textabzug weicht ab (- %1, + %2; mit "
                                                                   "GROBRECHNER_TEXTABZUG_SCHREIBEN=1 neu schreiben, "
                                                                   "wenn gewollt):\n%3")
                                                    .arg(soll, ist, ersterUnterschied(erwartet, abzug))));
    }
};

QTEST_MAIN(TextabzugTest)
#include "test_textabzug.moc"
