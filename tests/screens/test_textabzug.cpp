// All screens' texts on every path against textabzug.txt; GROBRECHNER_TEXTABZUG_SCHREIBEN=1 rewrites the file instead.
#include "frminfo.h"
#include "testhilfen.h"

#include <QFile>
#include <QPushButton>
#include <QtTest>

using namespace grobrechner;
using namespace grobrechner::test;

namespace {

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
    QSet<QString> angewandt;

    // The message boxes since the last screen, in their order, then the screen's
    // texts sorted by name.
    void festhalten(QWidget* schirm, const char* anlass)
    {
        const QList<Meldung>& meldungen = t->meldungen.meldungen;
        for (; abgeschriebeneMeldungen < meldungen.size(); ++abgeschriebeneMeldungen) {
            const Meldung& m = meldungen[abgeschriebeneMeldungen];
            abzug << QStringLiteral("Meldung\t%1\t%2").arg(m.titel, einzeilig(m.text))
                         + (m.haken.isEmpty() ? QString() : QStringLiteral("\tKontrollkästchen\t") + m.haken);
        }
        abzug << QStringLiteral("== %1 (%2)").arg(schirm->objectName(), QString::fromUtf8(anlass))
              << bildschirmzeilen(schirm);
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
                    angewandt.unite(andereEingabenMachen(s));
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
        for (const QString& aenderung : alleAnderenEingaben())
            QVERIFY2(angewandt.contains(aenderung), qPrintable(aenderung));

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
