#include "testhilfen.h"

#include "beispieleingaben.h"
#include "frminfo.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QHash>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QtTest>

namespace grobrechner::test {

const Pfadbildschirm& pfadbildschirm(Pfad pfad, int schritt) { return grobrechner::pfadbildschirm(pfad, *schrittNummer(schritt)); }

const Pfadbildschirm& pfadbildschirm(const QString& name)
{
    for (const Pfadbildschirm& b : pfadbildschirme())
        if (b.name == name)
            return b;
    qFatal("kein Bildschirm %s", qPrintable(name));
}


namespace {

// No test reads or writes the settings of whoever runs it: every test program
// keeps its settings in a folder of its own that goes when it ends.
void einstellungenAbschirmen()
{
    static QTemporaryDir ordner;
    QCoreApplication::setOrganizationName(QStringLiteral("Lumenstelle-Test"));
    // The program finds its settings file where the desktop keeps settings.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(ordner.path()));
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (QSettings::Scope bereich : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, bereich, ordner.path());
}

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

// "name <tab> kind <tab> text [<tab> state…]"; empty for widgets that show no text.
QString widgetzeile(QWidget* w, QWidget* schirm)
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

} // namespace

Q_COREAPP_STARTUP_FUNCTION(einstellungenAbschirmen)

QString einzeilig(QString s)
{
    return s.replace('\\', QLatin1String("\\\\"))
        .replace('\n', QLatin1String("\\n"))
        .replace('\t', QLatin1String("\\t"));
}

QStringList bildschirmzeilen(QWidget* schirm)
{
    QStringList zeilen;
    for (QWidget* w : schirm->findChildren<QWidget*>())
        if (w->window() == schirm) // not an open INFO above it
            if (const QString z = widgetzeile(w, schirm); !z.isEmpty())
                zeilen << z;
    zeilen.sort();
    return QStringList{QStringLiteral("Fenstertitel\t") + einzeilig(schirm->windowTitle())} + zeilen;
}

QSet<QString> andereEingabenMachen(QWidget* schirm)
{
    QSet<QString> gemacht;
    for (const Aenderung& ae : aenderungen) {
        if (*ae.schirm && schirm->objectName() != QString::fromUtf8(ae.schirm))
            continue;
        QWidget* w = finde(schirm, ae.name);
        if (!w || !w->isEnabled())
            continue;
        gemacht.insert(QString::fromUtf8(ae.schirm) + QLatin1Char('/') + QString::fromUtf8(ae.name));
        if (auto* option = qobject_cast<QRadioButton*>(w)) {
            waehlen(option);
        } else if (qobject_cast<QComboBox*>(w)) {
            hoeheWaehlen(schirm, QString::fromUtf8(ae.text));
        } else if (auto* feld = qobject_cast<QLineEdit*>(w)) {
            feld->clear();
            QTest::keyClicks(feld, QString::fromUtf8(ae.text));
        }
    }
    return gemacht;
}

QSet<QString> alleAnderenEingaben()
{
    QSet<QString> alle;
    for (const Aenderung& ae : aenderungen)
        alle.insert(QString::fromUtf8(ae.schirm) + QLatin1Char('/') + QString::fromUtf8(ae.name));
    return alle;
}

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

std::optional<bool> Meldungsrekorder::informationMitHaken(QWidget* eltern, const QString& titel, const QString& text,
                                                          const QString& haken)
{
    if (!aufnehmen({Meldung::Information, titel, text, eltern, haken}))
        return std::nullopt;
    return abhaken;
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
    dienste.infoOeffnen = &infoOeffnen;
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
    const std::optional<Schritt> s = schrittNummer(k);
    return s ? qobject_cast<Pfadformular*>(a->folge().schritt(*s)) : nullptr;
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

QString programmausgabe(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<%1 %2 lief nicht: %3>").arg(programm, argumente.join(' '), p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString verdichtet(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC).remove(QRegularExpression(QStringLiteral("\\s")));
}

} // namespace grobrechner::test
