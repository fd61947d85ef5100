// Saving and opening calculations through the screens, files that cannot be
// read or written, and the PDF and CSV a screen writes.
#include "bericht.h"
#include "preiseinstellungen.h"
#include "testhilfen.h"
#include "zahlentext.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>

using namespace grobrechner;
using namespace grobrechner::test;

namespace {

const QString name = QStringLiteral("Ahornweg „Süd“; 2. Bauabschnitt");

// A screen's lines without its status bar, whose note "Gespeichert als …"
// belongs to the moment.
QStringList ohneStatus(QStringList zeilen)
{
    zeilen.removeIf([](const QString& z) { return z.startsWith(QLatin1String("StatusBar2\t")); });
    return zeilen;
}

QByteArray dateibytes(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

// The rows of a CSV text as a spreadsheet reads them.
QList<QStringList> csvZeilen(const QString& text)
{
    QList<QStringList> zeilen{{}};
    QString zelle;
    bool inAnfuehrung = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inAnfuehrung && c == '"' && text.mid(i + 1, 1) == QLatin1String("\"")) {
            zelle += c;
            ++i;
        } else if (c == '"') {
            inAnfuehrung = !inAnfuehrung;
        } else if (!inAnfuehrung && c == ';') {
            zeilen.back() << zelle;
            zelle.clear();
        } else if (!inAnfuehrung && c == '\r' && text.mid(i + 1, 1) == QLatin1String("\n")) {
            zeilen.back() << zelle;
            zelle.clear();
            zeilen.append(QStringList());
            ++i;
        } else {
            zelle += c;
        }
    }
    zeilen.removeLast(); // after the last row's line break
    return zeilen;
}

} // namespace

class DateienTest : public Programmtest {
    Q_OBJECT

    QTemporaryDir ordner;

    QString datei(const char* dateiname) const { return ordner.filePath(QString::fromUtf8(dateiname)); }

    // A path up to step `ziel` with a name and the other inputs (testhilfen.h).
    Pfadformular* ausfuellen(Pfad pfad, int ziel)
    {
        a->folge().starte(pfad);
        for (int k = 1; k <= ziel; ++k) {
            Pfadformular* s = schritt(k);
            if (k == 1)
                s->bezeichnungsfeld()->setText(name); // keyClicks types ASCII only
            if (k == 1 || k == 3) {
                eingabenMachen(s);
                andereEingabenMachen(s);
            }
            if (k < ziel)
                s->vorwaertsknopf()->click();
        }
        return schritt(ziel);
    }

    QStringList texteBis(int ziel) const
    {
        QStringList texte;
        for (int k = 1; k <= ziel; ++k)
            texte << QStringLiteral("== %1").arg(k) << ohneStatus(bildschirmzeilen(schritt(k)));
        return texte;
    }

    void klicke(QWidget* fenster, const char* knopf, const QString& antwort)
    {
        t->dateiwahl.antworten.push_back(antwort);
        finde<QPushButton>(fenster, knopf)->click();
    }

    // The keyboard's way to a button: Ctrl+S, Ctrl+O.
    void taste(QWidget* fenster, QKeySequence::StandardKey taste, const QString& antwort)
    {
        t->dateiwahl.antworten.push_back(antwort);
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster));
        // Through the window system, where shortcuts are looked up; the
        // button then clicks itself as it is seen to go down and up.
        QTest::keySequence(fenster->windowHandle(), taste);
        QTRY_VERIFY(t->dateiwahl.antworten.empty());
    }

private slots:
    void aSavedCalculationOpensAsItWasSaved_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<int>("ziel");
        for (Pfad pfad : allePfade)
            for (int ziel = 1; ziel <= 5; ++ziel)
                QTest::addRow("%s", qPrintable(pfadbildschirm(pfad, ziel).name)) << pfad << ziel;
    }
    void aSavedCalculationOpensAsItWasSaved()
    {
        QFETCH(Pfad, pfad);
        QFETCH(int, ziel);
        Pfadformular* s = ausfuellen(pfad, ziel);
        const QStringList vorher = texteBis(ziel);
        taste(s, QKeySequence::Save, datei("ahornweg.grob"));
        QCOMPARE(t->meldungen.titel(), QStringList());
        QCOMPARE(statustext(s), QStringLiteral("Gespeichert als „ahornweg.grob“."));

        // Nothing of the calculation is left in the program…
        s->hauptmenueknopf()->click();
        geschlosseneAufraeumen();
        a->daten() = Kalkulationsdaten{};
        // …and the file brings every screen of the path back.
        taste(a->hauptmenue(), QKeySequence::Open, datei("ahornweg.grob"));
        QCOMPARE(t->meldungen.titel(), QStringList());
        QCOMPARE(sichtbareFenster(), QStringList{pfadbildschirm(pfad, ziel).name});
        // The same figures, now priced with the basis the file brought along.
        QStringList ausDatei = vorher;
        ausDatei.replaceInStrings(QStringLiteral("\tDatenbasis: "), QStringLiteral("\tDatenbasis: Preise aus der Datei: "));
        QCOMPARE(texteBis(ziel), ausDatei);
        // An input screen opened from a file calculates as the one it was saved from.
        if (ziel == 1 || ziel == 3) {
            schritt(ziel)->vorwaertsknopf()->click();
            QCOMPARE(t->meldungen.titel(), QStringList());
            QCOMPARE(sichtbareFenster(), QStringList{pfadbildschirm(pfad, ziel + 1).name});
        }
    }

    // The name heads the screen, above what scrolls; not below its buttons.
    void theNameStandsAboveTheScreensContent_data()
    {
        QTest::addColumn<int>("ziel");
        QTest::addColumn<QString>("feld");
        QTest::newRow("Eingabe") << 1 << "txtbezeichnung";
        QTest::newRow("Ergebnisblatt") << 5 << "lblbezeichnung";
    }
    void theNameStandsAboveTheScreensContent()
    {
        QFETCH(int, ziel);
        QFETCH(QString, feld);
        Pfadformular* s = ausfuellen(Pfad::Sanierung, ziel);
        s->show();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        auto* flaeche = s->findChild<QScrollArea*>();
        QWidget* zeile = finde(s, qPrintable(feld));
        QVERIFY(flaeche && zeile->isVisible());
        QVERIFY(zeile->mapTo(s, QPoint(0, zeile->height())).y() <= flaeche->mapTo(s, QPoint()).y());
    }

    // A name pasted from a table cell brings a tab or a line break along;
    // the file it is saved in opens again.
    void aNamePastedOverSeveralLinesIsSavedOnOne()
    {
        a->folge().starte(Pfad::Sanierung);
        Pfadformular* s = schritt(1);
        eingabenMachen(s);
        s->bezeichnungsfeld()->setText(QStringLiteral("Ahornweg\t2. BA\nSüd"));
        QCOMPARE(s->bezeichnungsfeld()->text(), QStringLiteral("Ahornweg 2. BA Süd"));
        klicke(s, "cmdspeichern", datei("zeilen.grob"));
        s->hauptmenueknopf()->click();
        geschlosseneAufraeumen();
        klicke(a->hauptmenue(), "cmdoeffnen", datei("zeilen.grob"));
        QCOMPARE(t->meldungen.titel(), QStringList());
        QCOMPARE(a->daten().bezeichnung, std::string("Ahornweg 2. BA Süd"));
    }

    // Saved once or opened, a calculation is saved again where it came from.
    void savingAgainOffersTheFileOfTheCalculation()
    {
        Pfadformular* s = ausfuellen(Pfad::Gemeindestrasse, 2);
        klicke(s, "cmdspeichern", datei("gemeinde.grob"));
        klicke(s, "cmdspeichern", QString());
        QCOMPARE(t->dateiwahl.vorschlaege, (QStringList{name + ".grob", datei("gemeinde.grob")}));
        s->hauptmenueknopf()->click();
        geschlosseneAufraeumen();

        klicke(ausfuellen(Pfad::Gemeindestrasse, 1), "cmdspeichern", QString()); // a new one has no file yet
        schritt(1)->hauptmenueknopf()->click();
        geschlosseneAufraeumen();
        klicke(a->hauptmenue(), "cmdoeffnen", datei("gemeinde.grob"));
        klicke(schritt(2), "cmdspeichern", QString());
        QCOMPARE(t->dateiwahl.vorschlaege.mid(2), (QStringList{name + ".grob", datei("gemeinde.grob")}));
    }

    // Every window of a path names its calculation in its title: by the name
    // typed on step 1, or else by the file it was saved to or opened from.
    void everyWindowOfAPathNamesItsCalculation_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("geoeffnet"); // what names it once it has a file
        QTest::newRow("named") << Pfad::Landesstrasse << "Ahornweg" << "Ahornweg";
        QTest::newRow("named, a screen with a title of its own") << Pfad::Sanierung << "Ahornweg" << "Ahornweg";
        QTest::newRow("unnamed") << Pfad::Gemeindestrasse << "" << "Lindenallee";
        QTest::newRow("blanks are no name") << Pfad::Sanierung << "   " << "Lindenallee";
    }
    void everyWindowOfAPathNamesItsCalculation()
    {
        QFETCH(Pfad, pfad);
        QFETCH(QString, getippt);
        QFETCH(QString, geoeffnet);
        const auto titel = [this](int von, int bis) {
            QStringList t;
            for (int k = von; k <= bis; ++k)
                t << schritt(k)->windowTitle();
            return t;
        };
        const auto soll = [pfad](const QString& name, int von, int bis) {
            QStringList t;
            for (int k = von; k <= bis; ++k) {
                const QString& eigener = pfadbildschirm(pfad, k).fenstertitel;
                t << (name.isEmpty() ? eigener : name + QStringLiteral(" – ") + eigener);
            }
            return t;
        };
        const QString name = getippt.trimmed();
        a->folge().starte(pfad);
        QTest::keyClicks(schritt(1)->bezeichnungsfeld(), getippt);
        QCOMPARE(titel(1, 1), soll(name, 1, 1));
        for (int k = 1; k < 5; ++k)
            weiter(schritt(k));
        QCOMPARE(titel(1, 5), soll(name, 1, 5));

        klicke(schritt(5), "cmdspeichern", datei("Lindenallee.grob"));
        QCOMPARE(titel(5, 5), soll(geoeffnet, 5, 5));
        schritt(5)->zurueckknopf()->click(); // hidden while it was saved
        QCOMPARE(titel(4, 4), soll(geoeffnet, 4, 4));
        schritt(4)->hauptmenueknopf()->click();
        geschlosseneAufraeumen();
        klicke(a->hauptmenue(), "cmdoeffnen", datei("Lindenallee.grob"));
        QCOMPARE(titel(1, 5), soll(geoeffnet, 1, 5));
        schritt(5)->hauptmenueknopf()->click();
        a->folge().starte(pfad); // a new calculation, with neither name nor file
        QCOMPARE(titel(1, 1), soll(QString(), 1, 1));
    }

    void anInputScreenChecksItsInputsBeforeSaving()
    {
        a->folge().starte(Pfad::Landesstrasse);
        klicke(schritt(1), "cmdspeichern", datei("leer.grob"));
        QCOMPARE(t->meldungen.titel(), QStringList{"Eingabe fehlt"});
        QCOMPARE(t->meldungen.meldungen.front().text, QStringLiteral("Bitte geben Sie die Straßenlänge ein!"));
        QCOMPARE(t->dateiwahl.titel, QStringList()); // no dialog asked for a file
        QVERIFY(!QFile::exists(datei("leer.grob")));
    }

    void aFileThatCannotBeReadChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("grund");
        QTest::newRow("kein JSON") << QByteArray("Ahornweg, 2. BA")
                                   << "Die Datei ist keine Kalkulation des Grobrechners: Ihr Inhalt ist kein JSON.";
        QTest::newRow("fehlt") << QByteArray() << "Die Datei gibt es nicht.";
    }
    void aFileThatCannotBeReadChangesNothing()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, grund);
        const QString pfad = ordner.filePath(QString::fromUtf8(QTest::currentDataTag()) + QStringLiteral(".grob"));
        if (!inhalt.isEmpty()) {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size());
        }
        ausfuellen(Pfad::Sanierung, 5)->hauptmenueknopf()->click();
        geschlosseneAufraeumen();
        const Kalkulationsdaten vorher = a->daten();

        klicke(a->hauptmenue(), "cmdoeffnen", pfad);
        QCOMPARE(t->meldungen.titel(), QStringList{"Datei nicht lesbar"});
        QCOMPARE(t->meldungen.meldungen.front().text,
                 QStringLiteral("Die Datei „%1“ lässt sich nicht öffnen:\n%2").arg(QDir::toNativeSeparators(pfad), grund));
        QCOMPARE(sichtbareFenster(), QStringList{"frmgrsbl"});
        QVERIFY(!schritt(1));
        QVERIFY(a->daten() == vorher);
    }

    void aFileThatCannotBeWrittenIsReported()
    {
        const QString pfad = datei("fehlt/ahornweg.grob");
        klicke(ausfuellen(Pfad::Gemeindestrasse, 2), "cmdspeichern", pfad);
        QCOMPARE(t->meldungen.titel(), QStringList{"Datei nicht gespeichert"});
        QVERIFY2(t->meldungen.meldungen.front().text.startsWith(
                     QStringLiteral("Die Datei „%1“ wurde nicht gespeichert.\nDen Ordner „%2“ gibt es nicht.")
                         .arg(QDir::toNativeSeparators(pfad), QDir::toNativeSeparators(datei("fehlt")))),
                 qPrintable(t->meldungen.meldungen.front().text));
    }

    // Saving the sheet of an opened calculation never overwrites the calculation itself.
    void aSheetIsNeverWrittenOverItsCalculation_data()
    {
        QTest::addColumn<QByteArray>("knopf");
        QTest::newRow("PDF") << QByteArray("cmdpdf");
        QTest::newRow("CSV") << QByteArray("cmdcsv");
    }
    void aSheetIsNeverWrittenOverItsCalculation()
    {
        QFETCH(QByteArray, knopf);
        const QString kalkulation = datei("ahornweg.grob");
        klicke(ausfuellen(Pfad::Sanierung, 5), "cmdspeichern", kalkulation);
        const QByteArray vorher = dateibytes(kalkulation);
        klicke(schritt(5), knopf.constData(), kalkulation);
        QCOMPARE(t->meldungen.titel(), QStringList{"Datei nicht gespeichert"});
        QVERIFY(t->meldungen.meldungen.front().text.endsWith(QStringLiteral("Das ist die Datei der Kalkulation; sie "
                                                                            "würde überschrieben. Bitte wählen Sie "
                                                                            "einen anderen Namen.")));
        QCOMPARE(dateibytes(kalkulation), vorher);
    }

    // The info screen's PDF is its window, as printed.
    void theInfoPdfHoldsWhatTheScreenShowsAsText()
    {
        klicken(finde(a->hauptmenue(), "lblinfo"));
        QWidget* fenster = QApplication::activeModalWidget();
        QVERIFY(fenster);
        klicke(fenster, "cmdpdf", datei("info.pdf"));
        QCOMPARE(t->meldungen.titel(), QStringList());

        const QString text = verdichtet(programmausgabe(QStringLiteral("pdftotext"), {"-raw", datei("info.pdf"), "-"}));
        QStringList fehlend;
        for (QLabel* l : fenster->findChildren<QLabel*>())
            if (l->isVisibleTo(fenster) && !l->text().isEmpty() && !text.contains(verdichtet(l->text())))
                fehlend << l->objectName() + QStringLiteral(": ") + l->text();
        QVERIFY2(fehlend.isEmpty(), qPrintable(fehlend.join('\n')));
        for (const QString& zeile : {QStringLiteral("Stand: April 2009"), QStringLiteral("Erstellt am 7. Dezember 2026")})
            QVERIFY2(text.contains(verdichtet(zeile)), qPrintable(zeile));
        // Only text and lines: the list of pictures has its two heading lines and nothing else.
        QCOMPARE(programmausgabe(QStringLiteral("pdfimages"), {"-list", datei("info.pdf")}).count('\n'), 2);
    }

    // The report of a result screen or sheet, written with the settings' own
    // prices where `eigenePreise` says so.
    void theReportHoldsWhatTheScreenShows_data()
    {
        QTest::addColumn<Pfad>("pfad");
        QTest::addColumn<int>("ziel");
        QTest::addColumn<bool>("eigenePreise");
        QTest::addColumn<QString>("verborgen"); // a hidden row's caption, which no report shows
        QTest::newRow("Ergebnisblatt der Landesstraße")
            << Pfad::Landesstrasse << 5 << false << QStringLiteral("Anlage wird nachts abgeschalten");
        QTest::newRow("Ergebnisblatt der Gemeindestraße") << Pfad::Gemeindestrasse << 5 << false << QString();
        QTest::newRow("Ergebnisblatt der Sanierung, eigene Preise") << Pfad::Sanierung << 5 << true << QString();
        QTest::newRow("Errichtungskosten der Landesstraße") << Pfad::Landesstrasse << 2 << false << QString();
        QTest::newRow("Betriebskosten der Landesstraße")
            << Pfad::Landesstrasse << 4 << false << QStringLiteral("Anlage wird nachts abgeschalten");
        QTest::newRow("Betriebskosten der Sanierung, eigene Preise") << Pfad::Sanierung << 4 << true << QString();
    }
    void theReportHoldsWhatTheScreenShows()
    {
        QFETCH(Pfad, pfad);
        QFETCH(int, ziel);
        QFETCH(bool, eigenePreise);
        QFETCH(QString, verborgen);
        Preise preise;
        preise.preisindex = eigenePreise ? 185 : preise.preisindex;
        QCOMPARE(preiseinstellungen::schreiben(preise), QString());
        const auto zurueck = qScopeGuard([] { preiseinstellungen::schreiben(Preise{}); });
        Pfadformular* fenster = ausfuellen(pfad, ziel);
        klicke(fenster, "cmdpdf", datei("bericht.pdf"));
        QCOMPARE(t->meldungen.titel(), QStringList());
        const QString text = verdichtet(programmausgabe(QStringLiteral("pdftotext"), {"-raw", datei("bericht.pdf"), "-"}));

        // Every label the screen shows but its clock, INFO and maker's mark:
        // title, name, sections, captions, figures, units and data basis.
        QStringList fehlend;
        for (QLabel* l : fenster->findChildren<QLabel*>()) {
            const QString objekt = l->objectName();
            if (l->isVisibleTo(fenster) && !l->text().isEmpty() && objekt != QLatin1String("lbluhr")
                && objekt != QLatin1String("lblinfo") && objekt != pfadbildschirm(pfad, ziel).eigentumLabel
                && !text.contains(verdichtet(l->text())))
                fehlend << objekt + QStringLiteral(": ") + l->text();
        }
        QVERIFY2(fehlend.isEmpty(), qPrintable(fehlend.join('\n')));
        QVERIFY(text.contains(verdichtet(name)));
        QVERIFY(text.contains(verdichtet(QStringLiteral("Erstellt am 7. Dezember 2026"))));
        // Own prices are never passed off as those of April 2009.
        QCOMPARE(text.contains(verdichtet(QStringLiteral("Preisindex 185 %"))), eigenePreise);
        QVERIFY(!text.contains(verdichtet(QStringLiteral("Stand: April 2009"))));
        if (!verborgen.isEmpty())
            QVERIFY2(!text.contains(verdichtet(verborgen)), qPrintable(verborgen));
        if (auto* diagramm = finde(fenster, "diagramm"))
            QVERIFY(text.contains(verdichtet(diagramm->accessibleDescription())));

        const int seiten = QRegularExpression(QStringLiteral("Pages: +(\\d+)"))
                               .match(programmausgabe(QStringLiteral("pdfinfo"), {datei("bericht.pdf")}))
                               .captured(1)
                               .toInt();
        QVERIFY(seiten >= 1);
        for (int seite : {1, seiten})
            QVERIFY2(text.contains(QStringLiteral("Seite%1von%2").arg(seite).arg(seiten)), qPrintable(text));
    }

    // Fit to be filed: A4 upright, PDF/A-1b whose information and XMP say the
    // same, fonts embedded, no picture as pixels, no text below 9 pt.
    void theReportIsAnArchivableDocument_data() { theReportHoldsWhatTheScreenShows_data(); }
    void theReportIsAnArchivableDocument()
    {
        QFETCH(Pfad, pfad);
        QFETCH(int, ziel);
        Pfadformular* fenster = ausfuellen(pfad, ziel);
        const QString pdf = datei("archiv.pdf");
        klicke(fenster, "cmdpdf", pdf);
        QCOMPARE(t->meldungen.titel(), QStringList());

        const QString info = programmausgabe(QStringLiteral("pdfinfo"), {"-isodates", pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size: +595 x 842 pts \\(A4\\)"))), qPrintable(info));
        const auto eintrag = [&](const char* schluessel) {
            return QRegularExpression(QStringLiteral("^%1: +(.*)$").arg(QLatin1String(schluessel)),
                                      QRegularExpression::MultilineOption)
                .match(info)
                .captured(1);
        };
        QCOMPARE(eintrag("Author"), QStringLiteral("Grobrechner für Straßenbeleuchtungsanlagen"));
        QVERIFY(eintrag("Title").contains(name) && eintrag("Title").contains(fenster->titel()->text()));
        QVERIFY(eintrag("Subject").contains(finde<QLabel>(fenster, "lbldatenbasis")->text()));
        QCOMPARE(eintrag("CreationDate"), t->zeit.toUTC().toString(Qt::ISODate));
        const QString xmp = programmausgabe(QStringLiteral("pdfinfo"), {"-meta", pdf});
        for (const QString& teil : {QStringLiteral("<pdfaid:part>1</pdfaid:part>"),
                                    QStringLiteral("<pdfaid:conformance>B</pdfaid:conformance>"),
                                    QStringLiteral(">%1<").arg(eintrag("Title").toHtmlEscaped()),
                                    QStringLiteral(">%1<").arg(eintrag("Author").toHtmlEscaped()),
                                    QStringLiteral(">%1<").arg(eintrag("Subject").toHtmlEscaped()),
                                    QStringLiteral(">%1<").arg(eintrag("Creator").toHtmlEscaped()),
                                    QStringLiteral(">%1<").arg(eintrag("Producer").toHtmlEscaped()),
                                    QStringLiteral(">%1<").arg(eintrag("CreationDate"))})
            QVERIFY2(xmp.contains(teil), qPrintable(teil + QStringLiteral(" fehlt in\n") + xmp));

        QCOMPARE(programmausgabe(QStringLiteral("pdfimages"), {"-list", pdf}).count('\n'), 2);
        // Each font's row ends "emb sub uni object generation"; the two head lines first.
        const QStringList schriften = programmausgabe(QStringLiteral("pdffonts"), {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!schriften.isEmpty());
        for (const QString& schrift : schriften) {
            const QStringList spalten = schrift.split(' ', Qt::SkipEmptyParts);
            QVERIFY2(spalten.size() > 5 && spalten[spalten.size() - 5] == QLatin1String("yes"), qPrintable(schrift));
        }

        // A word is as high as its font's ascent and descent: at 9 pt, 9 times
        // what the report's font has per point.
        QFont neun(berichtsstil::schriftart);
        neun.setPixelSize(900);
        const QFontMetricsF masse(neun);
        const double mindestens = (masse.ascent() + masse.descent()) / 100 * 0.995;
        const QString woerter = programmausgabe(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
        QStringList zuKlein;
        auto wort = QRegularExpression(QStringLiteral("yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">([^<]*)<"))
                        .globalMatch(woerter);
        int gezaehlt = 0;
        for (; wort.hasNext(); ++gezaehlt) {
            const QRegularExpressionMatch w = wort.next();
            if (w.captured(2).toDouble() - w.captured(1).toDouble() < mindestens)
                zuKlein << w.captured(3);
        }
        QVERIFY(gezaehlt > 50);
        QVERIFY2(zuKlein.isEmpty(), qPrintable(zuKlein.join(' ')));
    }

    void theCsvHoldsTheRowsOfTheSheet_data()
    {
        QTest::addColumn<Pfad>("pfad");
        for (Pfad pfad : allePfade)
            QTest::addRow("%s", qPrintable(pfadbildschirm(pfad, 5).name)) << pfad;
    }
    void theCsvHoldsTheRowsOfTheSheet()
    {
        QFETCH(Pfad, pfad);
        Pfadformular* blatt = ausfuellen(pfad, 5);
        klicke(blatt, "cmdcsv", datei("blatt.csv"));
        QCOMPARE(t->meldungen.titel(), QStringList());
        QFile f(datei("blatt.csv"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray inhalt = f.readAll();
        QVERIFY(inhalt.startsWith("\xEF\xBB\xBF"));
        const QList<QStringList> zeilen = csvZeilen(QString::fromUtf8(inhalt.mid(3)));
        QCOMPARE(zeilen.value(0), QStringList{blatt->titel()->text()});
        QCOMPARE(zeilen.value(1), QStringList{name});

        // Every figure and text of the sheet stands in the row of its caption,
        // in the column of its grid.
        int geprueft = 0;
        for (QGridLayout* raster : blatt->findChildren<QGridLayout*>()) {
            for (int i = 0; i < raster->count(); ++i) {
                int zeile, spalte, hoehe, breite;
                raster->getItemPosition(i, &zeile, &spalte, &hoehe, &breite);
                auto* wert = qobject_cast<QLabel*>(raster->itemAt(i)->widget());
                QLayoutItem* vorn = raster->itemAtPosition(zeile, 0);
                auto* beschriftung = vorn ? qobject_cast<QLabel*>(vorn->widget()) : nullptr;
                if (!wert || spalte == 0 || !beschriftung || !wert->isVisibleTo(blatt) || !beschriftung->isVisibleTo(blatt))
                    continue;
                // A column heading ("Abweichung" above the deviation) joins
                // the other headings of its table in a row of their own.
                if (breite == 2 && wert->font().bold())
                    continue;
                const auto ohne = ohneGruppen(wert->text().toStdString());
                const QString erwartet = ohne ? QString::fromStdString(*ohne) : wert->text();
                const auto it = std::find_if(zeilen.begin(), zeilen.end(),
                                             [&](const QStringList& z) { return z.value(0) == beschriftung->text(); });
                QVERIFY2(it != zeilen.end(), qPrintable(beschriftung->text()));
                QCOMPARE(it->value(spalte), erwartet);
                ++geprueft;
            }
        }
        QVERIFY(geprueft > 20);
    }
};

QTEST_MAIN(DateienTest)
#include "test_dateien.moc"
