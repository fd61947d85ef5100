#include "testhilfen.h"

#include "beispieleingaben.h"

#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QtTest>

namespace grobrechner::test {

namespace {

// No test reads or writes the settings of whoever runs it: every test program
// keeps its settings in a folder of its own that goes when it ends.
void einstellungenAbschirmen()
{
    static QTemporaryDir ordner;
    QCoreApplication::setOrganizationName(QStringLiteral("Lumenstelle-Test"));
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (QSettings::Scope bereich : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, bereich, ordner.path());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(einstellungenAbschirmen)

bool Meldungsrekorder::aufnehmen(const Meldung& m)
{
    meldungen.append(m);
    const QPointer<QWidget> fenster = m.eltern;
    if (waehrendDerMeldung)
        waehrendDerMeldung(m);
    return fenster && fenster->isVisible();
}

bool Meldungsrekorder::information(QWidget* eltern, const QString& titel, const QString& text)
{
    return aufnehmen({Meldung::Information, titel, text, eltern});
}

bool Meldungsrekorder::frage(QWidget* eltern, const QString& titel, const QString& text)
{
    const bool offen = aufnehmen({Meldung::Frage, titel, text, eltern});
    if (antworten.empty())
        return false;
    const bool ja = antworten.front();
    antworten.pop_front();
    return ja && offen;
}

QStringList Meldungsrekorder::titel() const
{
    QStringList t;
    for (const Meldung& m : meldungen)
        t << m.titel;
    return t;
}

QString Dateiwahlrekorder::antwort()
{
    if (antworten.empty())
        return {};
    const QString name = antworten.front();
    antworten.pop_front();
    return name;
}

QString Dateiwahlrekorder::oeffnen(QWidget*, const QString& t, const QString&)
{
    titel << t;
    return antwort();
}

QString Dateiwahlrekorder::speichern(QWidget*, const QString& t, const QString& vorschlag, const QString&,
                                     const QString&)
{
    titel << t;
    vorschlaege << vorschlag;
    return antwort();
}

Druckrekorder::Druckrekorder(Druckprotokoll& protokoll)
    : m_protokoll(protokoll)
{
    ++m_protokoll.auftraege;
}

namespace {
QString fehlerBei(const Druckprotokoll& protokoll, const char* schritt)
{
    return protokoll.fehler.isEmpty() ? QString() : protokoll.fehler + QStringLiteral(" beim ") + QLatin1String(schritt);
}
} // namespace

QString Druckrekorder::ausrichtungSetzen(QPageLayout::Orientation ausrichtung)
{
    m_protokoll.ausrichtungen.append(ausrichtung);
    return fehlerBei(m_protokoll, "Ausrichten");
}

QString Druckrekorder::fensterDrucken(QWidget& fenster)
{
    auto* leiste = fenster.findChild<QStatusBar*>(QStringLiteral("StatusBar2"));
    m_protokoll.statuszeilen.append(leiste ? leiste->currentMessage() : QString());
    QStringList sichtbar;
    for (QPushButton* k : fenster.findChildren<QPushButton*>())
        if (k->isVisibleTo(&fenster))
            sichtbar.append(k->objectName());
    sichtbar.sort();
    m_protokoll.sichtbareKnoepfe.append(sichtbar);
    m_protokoll.fenstergroessen.append(fenster.size());
    return fehlerBei(m_protokoll, "Zeichnen");
}

QString Druckrekorder::abschliessen()
{
    ++m_protokoll.abgeschlossen;
    return fehlerBei(m_protokoll, "Abschließen");
}

Testdienste::Testdienste()
{
    dienste.meldungen = &meldungen;
    dienste.dateiwahl = &dateiwahl;
    dienste.neuerDruckauftrag = [this] { return std::make_unique<Druckrekorder>(druck); };
    dienste.jetzt = [this] { return zeit; };
    dienste.homepageOeffnen = [this](const QUrl& adresse) { geoeffnet.append(adresse); };
}

QStringList sichtbareFenster()
{
    QStringList namen;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            namen.append(w->objectName());
    namen.sort();
    return namen;
}

void geschlosseneAufraeumen()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void mausBewegen(QWidget* w, QPoint punkt)
{
    if (punkt.isNull())
        punkt = w->rect().center();
    QMouseEvent bewegung(QEvent::MouseMove, punkt, w->mapToGlobal(punkt), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
    QApplication::sendEvent(w, &bewegung);
}

void mausDruecken(QWidget* w)
{
    QTest::mousePress(w, Qt::LeftButton);
}

void klicken(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton);
}

bool klickAmOrt(QPoint global, int zeit)
{
    QWidget* fenster = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->objectName().isEmpty() && w->frameGeometry().contains(global))
            fenster = w;
    if (!fenster)
        return false;
    QWindow* handle = fenster->windowHandle();
    const QPointF lokal = handle->mapFromGlobal(global);
    qt_handleMouseEvent(handle, lokal, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress,
                        Qt::NoModifier, zeit);
    qt_handleMouseEvent(handle, lokal, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease,
                        Qt::NoModifier, zeit + 20);
    QCoreApplication::processEvents();
    return true;
}

void waehlen(QRadioButton* option)
{
    QStyleOptionButton stil;
    stil.initFrom(option);
    const QRect marke = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &stil, option);
    QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, marke.center());
}

void hoeheWaehlen(QWidget* schritt, const QString& hoehe)
{
    auto* liste = finde<QComboBox>(schritt, "cbolichtpunkthöhe");
    const int index = liste->findText(hoehe);
    QVERIFY2(index >= 0, qPrintable(hoehe));
    liste->setCurrentIndex(index);
    emit liste->activated(index);
}

QString statustext(QWidget* fenster)
{
    auto* leiste = fenster->findChild<QStatusBar*>(QStringLiteral("StatusBar2"));
    return leiste ? leiste->currentMessage() : QStringLiteral("<keine Statusleiste>");
}

void eingabenMachen(QWidget* schritt)
{
    beispieleingabenMachen(*schritt);
}

Pfadformular* Programmtest::schritt(int k) const
{
    return qobject_cast<Pfadformular*>(a->folge().schritt(k));
}

Pfadformular* Programmtest::bisSchritt(Pfad pfad, int k)
{
    a->folge().starte(pfad);
    for (int i = 1; i < k; ++i)
        weiter(schritt(i));
    return schritt(k);
}

void Programmtest::init()
{
    QSettings().clear(); // every test starts at the program's own prices
    t = std::make_unique<Testdienste>();
    a = std::make_unique<Anwendung>(t->dienste);
    a->hauptmenue()->show();
}

void Programmtest::cleanup()
{
    a.reset();
    t.reset();
    geschlosseneAufraeumen();
}

void weiter(Pfadformular* schritt)
{
    eingabenMachen(schritt);
    schritt->vorwaertsknopf()->click();
}

} // namespace grobrechner::test
