// Windows on small screens: every screen (the price window too) fits the available area of a
// 1280 × 720 and a 1366 × 768 screen, at the default font and at 10.5 pt,
// with nothing cut off and nothing to scroll sideways; a new screen opens where the old one stood, moved in
// where it would stick out; the main menu comes back where it was.
#include "fensterlage.h"
#include "frminfo.h"
#include "knopfreihe.h"
#include "probebildschirme.h"
#include "testhilfen.h"
#include "umbrechendeoption.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace grobrechner;
using namespace grobrechner::test;

namespace {

QRect aufDemBildschirm(const QWidget* w, const QRect& teil) { return teil.translated(w->mapToGlobal(QPoint())); }

// Where the text of a label stands, in its own coordinates: a label may be
// wider than its text, as a cell of a grid is.
QRect textflaeche(QWidget* w)
{
    auto* l = qobject_cast<QLabel*>(w);
    if (!l || l->wordWrap())
        return w->rect();
    const QSize text(std::min(l->width(), l->sizeHint().width()), l->height());
    return QStyle::alignedRect(l->layoutDirection(), l->alignment(), text, l->rect());
}

// What of the window can be seen around an element: the window, less what
// the scrolling areas it lies in hide as they stand.
QRect sichtfeld(QWidget* w, QWidget* fenster)
{
    QRect sichtbar = aufDemBildschirm(fenster, fenster->rect());
    for (QWidget* p = w->parentWidget(); p != fenster; p = p->parentWidget())
        if (auto* flaeche = qobject_cast<QScrollArea*>(p))
            sichtbar &= aufDemBildschirm(flaeche->viewport(), flaeche->viewport()->rect());
    return sichtbar;
}

// What does not hold for one element of a shown screen, or nothing.
QString mangel(QWidget* w, QWidget* fenster)
{
    const QString name = fenster->objectName() + '/' + w->objectName();
    // Text cut off: the element is smaller than its text needs; a text that
    // wraps (a label's, an option's) needs the height of its lines.
    if (w->hasHeightForWidth() ? w->height() < w->heightForWidth(w->width())
                               : w->size() != w->size().expandedTo(w->minimumSizeHint()))
        return name + QStringLiteral(" abgeschnitten");
    // Out of sight: in the window, or, among scrolling controls, in sight once
    // they are scrolled to it (the inner area first, then the one around it).
    const QRect text = textflaeche(w);
    for (QWidget* p = w->parentWidget(); p != fenster; p = p->parentWidget())
        if (auto* flaeche = qobject_cast<QScrollArea*>(p)) {
            const QPoint mitte = w->mapTo(flaeche->widget(), text.center());
            flaeche->ensureVisible(mitte.x(), mitte.y(), text.width() / 2 + 1, text.height() / 2 + 1);
        }
    if (!sichtfeld(w, fenster).contains(aufDemBildschirm(w, text)))
        return name + QStringLiteral(" nicht ganz zu sehen");
    return {};
}

// What the renovation's operating input, the widest input screen, must show
// within its width as it opens, before anything is scrolled: both
// installations' choices and the one price.
const char* const nebeneinander[] = {"Frame8", "Frame7", "Frame5", "Frame6", "Frame4",
                                     "Frame1", "Frame3", "Frame2", "txtstromko"};

} // namespace

class FensterTest : public Programmtest {
    Q_OBJECT

    QFont m_schrift = QApplication::font();

    QRect bereich(int bildschirm) const { return QGuiApplication::screens().at(bildschirm)->availableGeometry(); }

    // A fresh program whose main menu stands at `ort`.
    void neuStarten(QPoint ort)
    {
        a.reset();
        geschlosseneAufraeumen();
        a = std::make_unique<Anwendung>(t->dienste);
        a->hauptmenue()->move(ort);
        a->hauptmenue()->show();
    }

    // A window as the program places it: its controls never scroll sideways.
    QStringList platziertPruefen(QWidget* fenster, const QRect& verfuegbar)
    {
        // Twice: a scroll bar that appears on the first pass asks for room on the second.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QStringList maengel;
        for (QScrollArea* flaeche : fenster->findChildren<QScrollArea*>())
            if (flaeche->horizontalScrollBar()->isVisible())
                maengel << fenster->objectName() + QStringLiteral(" rollt seitwärts");
        // As the screen opens, before pruefen() scrolls to each element.
        if (fenster->objectName() == QStringLiteral("frmbetrko_san"))
            for (const char* name : nebeneinander) {
                QWidget* w = finde(fenster, name);
                const QRect sichtbar = sichtfeld(w, fenster);
                const QRect ort = aufDemBildschirm(w, w->rect());
                if (ort.left() < sichtbar.left() || ort.right() > sichtbar.right())
                    maengel << fenster->objectName() + '/' + w->objectName()
                                   + QStringLiteral(" nur seitwärts gerollt zu sehen");
            }
        return maengel << pruefen(fenster, verfuegbar);
    }

    QStringList pruefen(QWidget* fenster, const QRect& verfuegbar)
    {
        QStringList maengel;
        if (!verfuegbar.contains(fenster->frameGeometry()))
            maengel << fenster->objectName() + QStringLiteral(" ragt über den Bildschirm");
        QList<QWidget*> elemente;
        for (QLabel* l : fenster->findChildren<QLabel*>())
            if (!l->text().isEmpty())
                elemente << l;
        for (QAbstractButton* k : fenster->findChildren<QAbstractButton*>())
            elemente << k;
        for (QWidget* w : elemente)
            if (w->isVisible())
                if (const QString m = mangel(w, fenster); !m.isEmpty())
                    maengel << m;
        return maengel;
    }

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::screens().size(), 2); }

    void cleanup()
    {
        QApplication::setFont(m_schrift);
        Programmtest::cleanup();
    }

    void aWindowIsMovedAndIfNeedBeShrunkIntoTheArea_data()
    {
        QTest::addColumn<QRect>("fenster");
        QTest::addColumn<QRect>("erwartet");
        const QRect drin(100, 50, 800, 600);
        QTest::newRow("inside stays") << drin << drin;
        QTest::newRow("right edge out") << QRect(700, 50, 800, 600) << QRect(480, 50, 800, 600);
        QTest::newRow("bottom edge out") << QRect(100, 300, 800, 600) << QRect(100, 120, 800, 600);
        QTest::newRow("above and left of it") << QRect(-40, -10, 800, 600) << QRect(0, 0, 800, 600);
        QTest::newRow("wider than the area") << QRect(300, 50, 1400, 600) << QRect(0, 50, 1280, 600);
        QTest::newRow("higher than the area") << QRect(100, 50, 800, 900) << QRect(100, 0, 800, 720);
    }
    void aWindowIsMovedAndIfNeedBeShrunkIntoTheArea()
    {
        QFETCH(QRect, fenster);
        QFETCH(QRect, erwartet);
        QCOMPARE(imBereich(fenster, QRect(0, 0, 1280, 720)), erwartet);
        // The same on a second screen to the right of the first.
        QCOMPARE(imBereich(fenster.translated(1280, 0), QRect(1280, 0, 1280, 720)), erwartet.translated(1280, 0));
    }

    void everyScreenFitsAndNothingIsCut_data()
    {
        QTest::addColumn<int>("bildschirm");
        QTest::addColumn<qreal>("punkt");
        for (int b = 0; b < 2; ++b) {
            const QSize g = QGuiApplication::screens().at(b)->size();
            const QByteArray name = QByteArray::number(g.width()) + "x" + QByteArray::number(g.height());
            QTest::newRow(name) << b << m_schrift.pointSizeF();
            QTest::newRow(name + ", 10.5 pt") << b << 10.5;
        }
    }
    void everyScreenFitsAndNothingIsCut()
    {
        QFETCH(int, bildschirm);
        QFETCH(qreal, punkt);
        QFont schrift = m_schrift;
        schrift.setPointSizeF(punkt);
        QApplication::setFont(schrift);
        const QRect verfuegbar = bereich(bildschirm);
        // Away from the corner, so that larger screens have to be moved in.
        neuStarten(verfuegbar.topLeft() + QPoint(200, 100));

        QStringList maengel = platziertPruefen(a->hauptmenue(), verfuegbar);
        klicken(finde(a->hauptmenue(), "lblinfo"));
        auto* info = qobject_cast<frminfo*>(QApplication::activeModalWidget());
        QVERIFY(info);
        maengel << platziertPruefen(info, verfuegbar);
        info->close();
        finde<QPushButton>(a->hauptmenue(), "cmdpreise")->click();
        maengel << platziertPruefen(a->preisfenster(), verfuegbar);
        a->preisfenster()->close();
        for (Pfad p : allePfade) {
            a->folge().starte(p);
            for (int k = 1; k <= 5; ++k) {
                maengel << platziertPruefen(schritt(k), verfuegbar);
                if (k < 5)
                    weiter(schritt(k));
            }
            schritt(5)->hauptmenueknopf()->click();
        }
        QVERIFY2(maengel.isEmpty(), qPrintable(maengel.join(QStringLiteral("; "))));
    }

    void theButtonRowMakesRoomForMoreButtons_data()
    {
        QTest::addColumn<QString>("bildschirm");
        QTest::addColumn<int>("breite");
        QTest::newRow("sheet, as it opens") << "frmerg_san" << 0;
        QTest::newRow("sheet, narrow") << "frmerg_san" << 640;
        QTest::newRow("operating input, narrow") << "frmbetrko_san" << 640;
    }
    void theButtonRowMakesRoomForMoreButtons()
    {
        QFETCH(QString, bildschirm);
        QFETCH(int, breite);
        QFont schrift = m_schrift;
        schrift.setPointSizeF(10.5);
        QApplication::setFont(schrift);
        const QRect verfuegbar = bereich(0);
        neuStarten(verfuegbar.topLeft());
        const Pfadbildschirm& b = pfadbildschirm(bildschirm);
        Pfadformular* s = bisSchritt(b.pfad, nummer(b.schritt));
        for (const char* text : {"Speichern …", "Als PDF speichern …", "Als CSV speichern …"})
            s->rahmen().tastenzeile()->addWidget(new QPushButton(QString::fromUtf8(text), s));
        if (breite > 0)
            s->resize(breite, s->height());
        s->layout()->activate();
        // As wide as it asks for, the row is one row.
        const Knopfreihe* reihe = s->rahmen().tastenzeile();
        QCOMPARE(reihe->heightForWidth(reihe->sizeHint().width()), reihe->sizeHint().height());
        const QStringList maengel = pruefen(s, verfuegbar);
        QVERIFY2(maengel.isEmpty(), qPrintable(maengel.join(QStringLiteral("; "))));
    }

    // Where the window is too narrow for an option's caption, it wraps, and
    // its second line takes a click as the first does.
    void aWrappedCaptionTakesClicksOnItsLastLine()
    {
        QFont schrift = m_schrift;
        schrift.setPointSizeF(10.5);
        QApplication::setFont(schrift);
        neuStarten(bereich(0).topLeft());
        Pfadformular* s = bisSchritt(Pfad::Sanierung, 3);
        QCoreApplication::processEvents();
        auto* astro = finde<QRadioButton>(s, "optastro");
        QVERIFY(astro->height() > astro->sizeHint().height()); // on two lines
        QStyleOptionButton stil;
        stil.initFrom(astro);
        const QRect text = astro->style()->subElementRect(QStyle::SE_RadioButtonContents, &stil, astro);
        QTest::mouseClick(astro, Qt::LeftButton, Qt::NoModifier, QPoint(text.left() + 4, astro->height() - 5));
        QVERIFY(astro->isChecked());
        QCOMPARE(a->daten().schaltung.einschaltung, Einschaltung::Astronomisch);
    }

    // An option keeps its wrapped heights; in a larger font it measures anew.
    void aWrappedCaptionGrowsWithItsFont()
    {
        UmbrechendeOption option(QStringLiteral("Einschaltung nach astronomischer Uhr mit Nachtabsenkung"), nullptr);
        const auto weitereZeilen = [&option] { return option.heightForWidth(120) - option.sizeHint().height(); };
        const int vorher = weitereZeilen();
        QFont gross = option.font();
        gross.setPointSizeF(gross.pointSizeF() * 2);
        option.setFont(gross);
        QVERIFY(weitereZeilen() > vorher);
    }

    void aNewScreenOpensWhereTheOldOneStoodAndTheMenuComesBack()
    {
        const QRect verfuegbar = bereich(1);
        const QPoint menueOrt = verfuegbar.topLeft() + QPoint(140, 90);
        neuStarten(menueOrt);
        frmgrsbl* menue = a->hauptmenue();
        const QSize menueGroesse = menue->size();

        a->folge().starte(Pfad::Gemeindestrasse);
        QCOMPARE(schritt(1)->pos(), menueOrt);
        schritt(1)->move(verfuegbar.topLeft() + QPoint(20, 30));
        weiter(schritt(1));
        QCOMPARE(schritt(2)->pos(), verfuegbar.topLeft() + QPoint(20, 30));

        // Moved towards the bottom right corner, the next screen would stick
        // out: it opens as far there as it fits.
        schritt(2)->move(verfuegbar.bottomRight() - QPoint(300, 200));
        weiter(schritt(2));
        Pfadformular* drei = schritt(3);
        QVERIFY(verfuegbar.contains(drei->frameGeometry()));
        QCOMPARE(drei->frameGeometry().bottomRight(), verfuegbar.bottomRight());

        drei->hauptmenueknopf()->click();
        QCOMPARE(menue->pos(), menueOrt);
        QCOMPARE(menue->size(), menueGroesse);
    }

    void printingShowsAllControlsOfAWindowThatScrollsThem()
    {
        neuStarten(bereich(0).topLeft());
        Pfadformular* blatt = bisSchritt(Pfad::Sanierung, 5);
        blatt->resize(blatt->minimumSize());
        const QSize klein = blatt->size();
        t->meldungen.antworten = {true};
        blatt->druckknopf()->click();
        QCOMPARE(t->druck.fenstergroessen.size(), 1);
        const QSize gedruckt = t->druck.fenstergroessen.front();
        QCOMPARE(gedruckt, gedruckt.expandedTo(blatt->sizeHint()));
        QCOMPARE(blatt->size(), klein);
    }
};

int main(int argc, char* argv[])
{
    // Two screens side by side: a 1920 × 1080 laptop at 150 % and a 1366 × 768 one.
    QTemporaryDir ordner;
    if (!probebildschirmeEinrichten({QSize(1280, 720), QSize(1366, 768)}, ordner.path()))
        return 1;
    QApplication app(argc, argv);
    FensterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fenster.moc"
