// The list window: opened from the main menu, it reads a list beside the
// window, shows it ranked with its totals and refused lines, sorts figures
// as figures and names in German order, writes CSV, PDF and the template, and
// opens a line on the sheet the path screens show for the same inputs.
#include "bericht.h"
#include "frmliste.h"
#include "listenspalten.h"
#include "programm.h"
#include "testhilfen.h"
#include "zahlentext.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace grobrechner;
using namespace grobrechner::test;

namespace {

QByteArray liste(const QStringList& zeilen)
{
    return (QStringList{QStringLiteral("Bezeichnung;Pfad;Straßenlänge;Lichtpunkthöhe;Lichtpunktabstand;"
                                       "Grabungslänge im Asphalt;Anzahl der zu sanierenden Lichtpunkte;Strompreis;"
                                       "Wattage des Bestands")}
            + zeilen)
        .join(u'\n')
        .toUtf8();
}

// The inputs the path screens get from eingabenMachen, as a line of the list.
QString zeileWieDieBildschirme(Pfad pfad)
{
    switch (pfad) {
    case Pfad::Landesstrasse:
        return QStringLiteral("L;Landesstraße;1000;6;;200;;15;");
    case Pfad::Gemeindestrasse:
        return QStringLiteral("G;Gemeindestraße;1000;6;30;200;;15;");
    case Pfad::Sanierung:
        break;
    }
    return QStringLiteral("S;Sanierung;;;;;30;15;80");
}

} // namespace

class ListeTest : public Programmtest {
    Q_OBJECT

    QTemporaryDir ordner;

    QString datei(const QString& name, const QByteArray& inhalt = {}) const
    {
        const QString pfad = ordner.filePath(name);
        if (!inhalt.isEmpty()) {
            QFile f(pfad);
            if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size())
                qFatal("%s lässt sich nicht schreiben", qPrintable(pfad));
        }
        return pfad;
    }

    frmliste* fenster() const { return a->listenfenster(); }
    QTableView* tabelle() const { return finde<QTableView>(fenster(), "tblliste"); }
    QString text(const char* name) const { return finde<QLabel>(fenster(), name)->text(); }
    void klick(const char* name) const { finde<QPushButton>(fenster(), name)->click(); }

    // From the main menu, with the list in the file read and computed.
    frmliste* geoeffnet(const QString& pfad)
    {
        if (!fenster() || !fenster()->isVisible())
            finde<QPushButton>(a->hauptmenue(), "cmdliste")->click();
        t->dateiwahl.antworten.push_back(pfad);
        klick("cmdlisteoeffnen");
        if (!QTest::qWaitFor([&] { return !fenster()->laedt(); }, 20000))
            qFatal("Die Liste wird nicht fertig.");
        return fenster();
    }

    int spalte(const QString& name) const
    {
        for (int s = 0; s < tabelle()->model()->columnCount(); ++s)
            if (tabelle()->model()->headerData(s, Qt::Horizontal) == name)
                return s;
        return -1;
    }
    QStringList spaltentexte(const QString& name) const
    {
        QStringList texte;
        for (int r = 0; r < tabelle()->model()->rowCount(); ++r)
            texte << tabelle()->model()->index(r, spalte(name)).data().toString();
        return texte;
    }

private slots:
    void initTestCase() { QVERIFY(ordner.isValid()); }

    void showsTheListRankedWithTotalsAndRefusedLines()
    {
        // Ctrl+L through the window system, where shortcuts are looked up.
        a->hauptmenue()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(a->hauptmenue()));
        QTest::keySequence(a->hauptmenue()->windowHandle(), QKeySequence(Qt::CTRL | Qt::Key_L));
        QTRY_VERIFY(fenster());
        QCOMPARE(sichtbareFenster(), QStringList{"frmliste"});
        geoeffnet(QStringLiteral(GROBRECHNER_BEISPIELLISTE));
        QCOMPARE(tabelle()->model()->rowCount(), 24);
        QCOMPARE(text("lblfehler"), QStringLiteral("1 Zeile nicht berechnet – siehe Spalte Status"));
        QVERIFY(text("lblsumme").startsWith(QStringLiteral("Summe: 23 Straßen berechnet, 1 Zeile nicht berechnet · ")));
        // Renovations by payback first, the refused line last and marked.
        const QStringList amortisation = spaltentexte(QStringLiteral("Amortisation Jahre"));
        QVERIFY(zahlAusText(amortisation[0].toStdString()) <= zahlAusText(amortisation[1].toStdString()));
        const QModelIndex letzte = tabelle()->model()->index(23, spalte(QStringLiteral("Status")));
        QVERIFY(letzte.data().toString().startsWith(QStringLiteral("Zeile 21, Lichtpunktabstand: ")));
        QVERIFY(letzte.data(Qt::BackgroundRole).isValid());
        QCOMPARE(tabelle()->model()->headerData(23, Qt::Vertical).toInt(), 21);
        QVERIFY(spalte(QStringLiteral("Ortsteil")) > spalte(QStringLiteral("Pfad"))
                && spalte(QStringLiteral("Ortsteil")) < spalte(QStringLiteral("Status")));
        QCOMPARE(spalte(QStringLiteral("Straßenlänge")), -1); // the inputs are in the export, not in the window

        klick("Command1");
        QCOMPARE(sichtbareFenster(), QStringList{"frmgrsbl"});
    }

    // Words in a figure's place stand after every figure and empty cells last, whichever way the figures run.
    void sortsFiguresByValueAndNamesInGermanOrder_data()
    {
        QTest::addColumn<QString>("spalte");
        QTest::addColumn<Qt::SortOrder>("richtung");
        QTest::addColumn<QStringList>("ordnung");
        const QString keine = QStringLiteral("keine Amortisation innerhalb von 25 Jahren");
        QTest::newRow("Namen") << "Bezeichnung" << Qt::AscendingOrder
                               << QStringList{"Ahornweg", "Ährenweg", "Ulmenweg", "Vogelsang", "Weg 2", "weg 10",
                                              "Zeppelinstraße"};
        QTest::newRow("Zahlen steigend") << "Betrag" << Qt::AscendingOrder
                                         << QStringList{"-3", "85", "900", "1.250", "12.000", keine, ""};
        QTest::newRow("Zahlen fallend") << "Betrag" << Qt::DescendingOrder
                                        << QStringList{"12.000", "1.250", "900", "85", "-3", keine, ""};
    }
    void sortsFiguresByValueAndNamesInGermanOrder()
    {
        QFETCH(QString, spalte);
        QFETCH(Qt::SortOrder, richtung);
        QFETCH(QStringList, ordnung);
        QStringList zeilen{QStringLiteral("Bezeichnung;Pfad;Betrag")};
        for (const char* z : {"weg 10;x;1.250", "Zeppelinstraße;x;", "Ährenweg;x;85", "Weg 2;x;12.000", "Ahornweg;x;-3",
                              "Vogelsang;x;keine Amortisation innerhalb von 25 Jahren", "Ulmenweg;x;900"})
            zeilen << QString::fromUtf8(z);
        geoeffnet(datei(QStringLiteral("namen.csv"), zeilen.join(u'\n').toUtf8()));
        tabelle()->sortByColumn(this->spalte(spalte), richtung);
        QCOMPARE(spaltentexte(spalte), ordnung);
    }

    // One line per path gives the figures its sheet shows when the same inputs
    // are typed into the path screens; a double click opens that sheet.
    void aLineGivesTheFiguresOfThePathScreens_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::newRow("Landesstraße") << Pfad::Landesstrasse;
        QTest::newRow("Gemeindestraße") << Pfad::Gemeindestrasse;
        QTest::newRow("Sanierung") << Pfad::Sanierung;
    }
    void aLineGivesTheFiguresOfThePathScreens()
    {
        QFETCH(Pfad, pfad);
        const auto blattwerte = [](QWidget* blatt) {
            QStringList werte;
            for (const Ergebnisspalte& s : ergebnisspalten()) {
                QString wert;
                for (std::string_view name : s.felder)
                    if (const auto* l = name.empty() ? nullptr : finde<QLabel>(blatt, std::string(name).c_str()))
                        wert = QString::fromStdString(ohneGruppen(l->text().toStdString()).value_or(l->text().toStdString()));
                werte << wert;
            }
            return werte;
        };
        QWidget* getippt = bisSchritt(pfad, 5);
        const QStringList bildschirm = blattwerte(getippt);
        schritt(5)->hauptmenueknopf()->click();

        geoeffnet(datei(QStringLiteral("ein.csv"), liste({zeileWieDieBildschirme(pfad)})));
        QStringList zeile;
        for (const Ergebnisspalte& s : ergebnisspalten())
            zeile << tabelle()->model()->index(0, spalte(QString::fromUtf8(s.name.data(), s.name.size()))).data().toString();
        QCOMPARE(zeile, bildschirm);

        tabelle()->setCurrentIndex(tabelle()->model()->index(0, 0));
        QTest::keyClick(tabelle(), Qt::Key_Return);
        QCOMPARE(sichtbareFenster(), QStringList{pfadbildschirm(pfad, 5).name});
        QCOMPARE(blattwerte(schritt(5)), bildschirm);
        // Back in the menu, the list is there again as it was.
        schritt(5)->hauptmenueknopf()->click();
        finde<QPushButton>(a->hauptmenue(), "cmdliste")->click();
        QCOMPARE(sichtbareFenster(), QStringList{"frmliste"});
        QCOMPARE(tabelle()->model()->rowCount(), 1);
    }

    void writesCsvPdfAndTemplateButNeverTheListItself()
    {
        const QString pfad = datei(QStringLiteral("kopie.csv"));
        QFile::remove(pfad);
        QVERIFY(QFile::copy(QStringLiteral(GROBRECHNER_BEISPIELLISTE), pfad));
        geoeffnet(pfad);
        const QByteArray vorher = [&] {
            QFile f(pfad);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        const struct {
            const char* knopf;
            QString ziel;
            QByteArray anfang;
        } faelle[] = {{"cmdcsv", datei(QStringLiteral("aus.csv")), "\xEF\xBB\xBF" "Bezeichnung;Ortsteil;Pfad;"},
                      {"cmdpdf", datei(QStringLiteral("aus.pdf")), "%PDF"},
                      {"cmdvorlage", datei(QStringLiteral("vorlage.csv")), "\xEF\xBB\xBF" "Bezeichnung;Pfad;"},
                      {"cmdcsv", pfad, {}}};
        for (const auto& fall : faelle) {
            t->dateiwahl.antworten.push_back(fall.ziel);
            klick(fall.knopf);
            QFile f(fall.ziel);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY2(fall.anfang.isEmpty() ? f.readAll() == vorher : f.readAll().startsWith(fall.anfang), fall.knopf);
        }
        QCOMPARE(t->meldungen.titel(), QStringList{"Datei nicht gespeichert"});
        QVERIFY(t->meldungen.meldungen.back().text.contains(QStringLiteral("Straßenliste selbst")));
    }

    // The PDF is a report of the list as the window shows it: every line's
    // name and status, every column and the totals as text; the heads and
    // "Seite X von Y" on every page; no word below 9 pt or right of the page
    // number; PDF/A-1b with its author; no pixels.
    void thePdfIsAReportOfEveryLine()
    {
        geoeffnet(QStringLiteral(GROBRECHNER_BEISPIELLISTE));
        const QString pdf = datei(QStringLiteral("bericht.pdf"));
        t->dateiwahl.antworten.push_back(pdf);
        klick("cmdpdf");
        QCOMPARE(t->meldungen.titel(), QStringList());

        const QString roh = programmausgabe(QStringLiteral("pdftotext"), {"-raw", pdf, "-"});
        const QString inhalt = verdichtet(roh);
        QStringList fehlend{text("lblsumme")};
        for (int s = 0; s < tabelle()->model()->columnCount(); ++s)
            fehlend << tabelle()->model()->headerData(s, Qt::Horizontal).toString();
        fehlend << spaltentexte(QStringLiteral("Bezeichnung")) << spaltentexte(QStringLiteral("Status"));
        fehlend.removeIf([&](const QString& t) { return inhalt.contains(verdichtet(t)); });
        QVERIFY2(fehlend.isEmpty(), qPrintable(fehlend.join('\n')));
        const QStringList seiten = roh.split(u'\f', Qt::SkipEmptyParts);
        QVERIFY(seiten.size() > 1);
        for (int i = 0; i < seiten.size(); ++i)
            QVERIFY2(seiten[i].contains(QStringLiteral("Bezeichnung"))
                         && seiten[i].contains(QStringLiteral("Seite %1 von %2").arg(i + 1).arg(seiten.size())),
                     qPrintable(seiten[i]));

        // A word is as high as its font's ascent and descent: at 9 pt, 9 times what the font has per point.
        QFont neun(berichtsstil::schriftart);
        neun.setPixelSize(900);
        const double mindestens = (QFontMetricsF(neun).ascent() + QFontMetricsF(neun).descent()) / 100 * 0.995;
        const QString woerter = programmausgabe(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
        const QRegularExpression wort(QStringLiteral("yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)<"));
        QStringList falsch;
        for (const QString& seite : woerter.split(QStringLiteral("<page "), Qt::SkipEmptyParts).mid(1)) {
            QList<QRegularExpressionMatch> w;
            for (auto it = wort.globalMatch(seite); it.hasNext();)
                w << it.next();
            // "Seite X von Y" stands right-aligned at the right margin.
            const auto seitenzahl =
                std::find_if(w.begin(), w.end(), [](const auto& m) { return m.captured(4) == u"Seite"; });
            QVERIFY(w.end() - seitenzahl > 3);
            const double rechts = seitenzahl[3].captured(2).toDouble();
            for (const QRegularExpressionMatch& m : w)
                if (m.captured(3).toDouble() - m.captured(1).toDouble() < mindestens
                    || m.captured(2).toDouble() > rechts + 0.5)
                    falsch << m.captured(4);
        }
        QVERIFY2(falsch.isEmpty(), qPrintable(falsch.join(' ')));

        const QString autor = QString::fromUtf8(programmname.data(), static_cast<qsizetype>(programmname.size()));
        QVERIFY(programmausgabe(QStringLiteral("pdfinfo"), {pdf})
                    .contains(QRegularExpression(QStringLiteral("Author: +") + QRegularExpression::escape(autor))));
        const QString xmp = programmausgabe(QStringLiteral("pdfinfo"), {"-meta", pdf});
        QVERIFY(xmp.contains(QStringLiteral("<pdfaid:part>1</pdfaid:part>"))
                && xmp.contains(QStringLiteral("<pdfaid:conformance>B</pdfaid:conformance>")));
        QCOMPARE(programmausgabe(QStringLiteral("pdfimages"), {"-list", pdf}).count('\n'), 2);
    }

    void aFileRefusedWholeSaysWhyAndKeepsTheList()
    {
        geoeffnet(datei(QStringLiteral("gut.csv"), liste({zeileWieDieBildschirme(Pfad::Sanierung)})));
        geoeffnet(datei(QStringLiteral("schlecht.csv"), QByteArray("Name;Länge\nx;1")));
        QCOMPARE(t->meldungen.titel(), QStringList{"Datei nicht lesbar"});
        QVERIFY(t->meldungen.meldungen.back().text.contains(QStringLiteral("fehlen die Spalten „Bezeichnung“ und „Pfad“")));
        QCOMPARE(tabelle()->model()->rowCount(), 1);
    }

    // A long list is read beside the window, which shows how far it has come.
    void readsALongListBesideTheWindow()
    {
        const QString zeile = zeileWieDieBildschirme(Pfad::Sanierung) + u'\n';
        const QString pfad = datei(QStringLiteral("lang.csv"), liste({zeile.repeated(20000).trimmed()}));
        finde<QPushButton>(a->hauptmenue(), "cmdliste")->click();
        fenster()->laden(pfad);
        const auto* fortschritt = finde<QProgressBar>(fenster(), "prgliste");
        bool zwischenstand = false;
        QElapsedTimer uhr;
        uhr.start();
        while (fenster()->laedt() && uhr.elapsed() < 30000) {
            QTest::qWait(2);
            zwischenstand = zwischenstand || (fortschritt->isVisible() && fortschritt->maximum() == 20000
                                              && fortschritt->value() < 20000);
        }
        QVERIFY(zwischenstand);
        QVERIFY(fortschritt->isHidden());
        QCOMPARE(tabelle()->model()->rowCount(), 20000);
    }
};

QTEST_MAIN(ListeTest)
#include "test_liste.moc"
