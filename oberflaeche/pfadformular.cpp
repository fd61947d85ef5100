#include "pfadformular.h"

#include "beschriftung.h"
#include "bildschirmtexte.h"
#include "blattinhalt.h"
#include "csvtext.h"
#include "dateiname.h"
#include "formularausgabe.h"
#include "dateischreiben.h"
#include "dienste.h"
#include "eingabefelder.h"
#include "ergebnisbericht.h"
#include "kalkulationsdatei.h"
#include "knopfreihe.h"
#include "navigation.h"
#include "texte.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace grobrechner {

namespace {

Ausstattung ausstattungVon(const Pfadbildschirm& b)
{
    Ausstattung a;
    a.name = b.name;
    a.eigentumLabel = b.eigentumLabel;
    a.fenstertitel = b.fenstertitel;
    a.hintergrundHinweis = b.hintergrundHinweis;
    return a;
}

struct Zurueck {
    const char* text;
    const char* hinweis;
};

// The back button of each step, in their order; the first has none.
const Zurueck zurueckJeSchritt[] = {
    {nullptr, nullptr},
    {"zurück zur Eingabe", "Zurück zur Eingabe."},
    {"zurück zum Ergebnis der Errichtungskosten", "Zurück zum Ergebnis der Errichtungskosten."},
    {"zurück zur Eingabe", "Zurück zur Eingabe."},
    {"zurück zu den Betriebskosten", "Zurück zu den Betriebskosten."},
};

const QString kalkulationsfilter = QStringLiteral("Kalkulationen des Grobrechners (*.grob)");

} // namespace

Pfadformular::Pfadformular(const Pfadbildschirm& beschreibung, Umgebung& umgebung)
    : Formular(ausstattungVon(beschreibung), umgebung.dienste)
    , m_beschreibung(beschreibung)
    , m_umgebung(umgebung)
{
    const Pfadbildschirm& b = m_beschreibung;
    m_titel = rahmen().titelSetzen(QStringLiteral("Label2"), b.titel);
    bezeichnungAnlegen();

    m_speichern = knopf("cmdspeichern", QStringLiteral("Speichern…"));
    m_speichern->setShortcut(QKeySequence::Save);
    setHint(m_speichern, QStringLiteral("Speichert die Kalkulation in einer Datei."));
    connect(m_speichern, &QPushButton::clicked, this, &Pfadformular::speichern);
    if (b.istErgebnis()) {
        // What the figures rest on, read with them and printed with them.
        rahmen().fusszeileSetzen(QStringLiteral("lbldatenbasis"),
                                 QString::fromStdString(datenbasistext(zustand(), b.schritt)));
        m_drucken = rahmen().druckknopf();
        rahmen().tastenzeile()->addWidget(m_drucken);
        m_knoepfe.append(m_drucken);
        if (b.druckHinweisBeiDruck)
            setPressHint(m_drucken, texte::druckenHinweis);
        else
            setHint(m_drucken, texte::druckenHinweis);
        connect(m_drucken, &QPushButton::clicked, this, &Pfadformular::drucken);
        m_pdf = rahmen().pdfknopf();
        rahmen().tastenzeile()->addWidget(m_pdf);
        m_knoepfe.append(m_pdf);
        connect(m_pdf, &QPushButton::clicked, this, &Pfadformular::alsPdfSpeichern);
    }
    if (b.schritt == Schritt::Ergebnisblatt) {
        m_csv = knopf("cmdcsv", QStringLiteral("Als CSV speichern…"));
        setHint(m_csv, QStringLiteral("Speichert das Ergebnisblatt als CSV-Datei für eine Tabellenkalkulation."));
        connect(m_csv, &QPushButton::clicked, this, &Pfadformular::alsCsvSpeichern);
    }
    const Zurueck& z = zurueckJeSchritt[nummer(b.schritt) - 1];
    if (z.text) {
        m_zurueck = knopf("cmdback", QString::fromUtf8(z.text));
        setHint(m_zurueck, QString::fromUtf8(z.hinweis));
        connect(m_zurueck, &QPushButton::clicked, this, [this] { navigation().zurueck(*this); });
    }
    m_hauptmenue = knopf("Command1", QStringLiteral("zum Hauptmenü"));
    setHint(m_hauptmenue, texte::hauptmenueHinweis);
    connect(m_hauptmenue, &QPushButton::clicked, this, [this] { navigation().hauptmenue(*this); });
    if (!b.vorwaerts.isEmpty()) {
        m_vorwaerts = knopf(istEingabe(b.schritt) ? "Command4" : "Command2", b.vorwaerts);
        if (b.vorwaertsHinweisBeiDruck)
            setPressHint(m_vorwaerts, b.vorwaertsHinweis);
        else
            setHint(m_vorwaerts, b.vorwaertsHinweis);
        connect(m_vorwaerts, &QPushButton::clicked, this, [this] { vorwaerts(); });
    }
    if (istEingabe(b.schritt)) {
        // Keyboard order: the calculate button comes before the others.
        setTabOrder(m_vorwaerts, m_zurueck ? m_zurueck : m_hauptmenue);
        if (m_zurueck)
            setTabOrder(m_zurueck, m_hauptmenue);
        setTabOrder(m_hauptmenue, m_speichern);
    } else {
        // The buttons in the order they stand; Enter goes on along the path
        // (or back to the main menu from the sheet), it never prints.
        for (qsizetype i = 1; i < m_knoepfe.size(); ++i)
            setTabOrder(m_knoepfe[i - 1], m_knoepfe[i]);
        (m_vorwaerts ? m_vorwaerts : m_hauptmenue)->setFocus();
    }
    fenstertitelSetzen();
}

void Pfadformular::bezeichnungAnlegen()
{
    if (m_beschreibung.schritt == Schritt::Eingabe) {
        auto* zeile = new QWidget(this);
        auto* layout = new QHBoxLayout(zeile);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* beschriftung = new Beschriftung(QStringLiteral("Bezeichnung:"), zeile);
        beschriftung->setObjectName(QStringLiteral("Labelbezeichnung"));
        m_bezeichnungsfeld = new QLineEdit(zeile);
        m_bezeichnungsfeld->setObjectName(QStringLiteral("txtbezeichnung"));
        m_bezeichnungsfeld->setMaxLength(bezeichnungZeichen);
        m_bezeichnungsfeld->setAccessibleName(QStringLiteral("Bezeichnung der Kalkulation"));
        m_bezeichnungsfeld->setPlaceholderText(QStringLiteral("freiwillig, z. B. „Ahornweg, 2. Bauabschnitt“"));
        beschriftung->setBuddy(m_bezeichnungsfeld);
        layout->addWidget(beschriftung);
        layout->addWidget(m_bezeichnungsfeld, 1);
        rahmen().zeileUeberInhalt(zeile);
        // A name needs no check: it goes into the record as it is typed, on
        // one line, however it was pasted.
        connect(m_bezeichnungsfeld, &QLineEdit::textChanged, this, [this](const QString& text) {
            const std::string zeile = bezeichnungEinzeilig(text.toStdString());
            if (zeile != text.toStdString()) {
                const int stelle = m_bezeichnungsfeld->cursorPosition();
                m_bezeichnungsfeld->setText(QString::fromStdString(zeile)); // comes back here
                m_bezeichnungsfeld->setCursorPosition(stelle);
                return;
            }
            daten().bezeichnung = zeile;
            fenstertitelSetzen();
        });
    } else if (m_beschreibung.istErgebnis()) {
        m_bezeichnung = new Beschriftung(QString::fromStdString(bezeichnungstext(zustand())), this);
        m_bezeichnung->setObjectName(QStringLiteral("lblbezeichnung"));
        m_bezeichnung->setWordWrap(true);
        QFont fett = m_bezeichnung->font();
        fett.setBold(true);
        m_bezeichnung->setFont(fett);
        m_bezeichnung->setVisible(!m_bezeichnung->text().isEmpty());
        rahmen().zeileUeberInhalt(m_bezeichnung);
    }
}

void Pfadformular::fenstertitelSetzen()
{
    // Step 1 takes the name from its field: it is made before the path's
    // start clears the record of the previous calculation's name.
    QString name =
        (m_bezeichnungsfeld ? m_bezeichnungsfeld->text() : QString::fromStdString(daten().bezeichnung)).trimmed();
    if (name.isEmpty() && !m_umgebung.datei.isEmpty())
        name = QFileInfo(m_umgebung.datei).completeBaseName();
    const QString& eigener = m_beschreibung.fenstertitel;
    setWindowTitle(name.isEmpty() ? eigener : name + QStringLiteral(" – ") + eigener);
}

void Pfadformular::showEvent(QShowEvent* ereignis)
{
    // A screen hidden while a later one saved the calculation learns of its file here.
    fenstertitelSetzen();
    Formular::showEvent(ereignis);
}

QPushButton* Pfadformular::knopf(const char* name, const QString& text)
{
    auto* k = new QPushButton(text, this);
    k->setObjectName(QString::fromUtf8(name));
    rahmen().tastenzeile()->addWidget(k);
    m_knoepfe.append(k);
    return k;
}

void Pfadformular::vorwaerts()
{
    if (eingabenUebernehmen())
        navigation().vor(*this);
}

void Pfadformular::datenZeigen()
{
    if (m_bezeichnungsfeld)
        m_bezeichnungsfeld->setText(QString::fromStdString(daten().bezeichnung));
}

void Pfadformular::drucken()
{
    rahmen().ausgabe().drucken(m_beschreibung.druckzeile, {m_knoepfe.begin(), m_knoepfe.end()}, QPageLayout::Landscape);
}

QString Pfadformular::dateiname(const QString& titel, const QString& filter, const QString& endung,
                                const QString& bisher)
{
    const QString name =
        daten().bezeichnung.empty() ? m_beschreibung.titel : QString::fromStdString(daten().bezeichnung);
    const QString vorschlag = bisher.isEmpty() ? dateinamenvorschlag(name, endung) : bisher;
    return dienste().dateiwahl->speichern(this, titel, vorschlag, filter, endung);
}

void Pfadformular::gespeichert(const QString& datei, const QString& fehler)
{
    if (fehler.isEmpty())
        rahmen().statusZeigen(texte::gespeichert.arg(QFileInfo(datei).fileName()));
    else
        dienste().meldungen->information(this, texte::nichtGespeichertTitel,
                                         texte::nichtGespeichert.arg(QDir::toNativeSeparators(datei), fehler));
}

void Pfadformular::speichern()
{
    if (!eingabenUebernehmen())
        return;
    // An empty name: cancelled, or the window was closed meanwhile.
    const QString datei = dateiname(QStringLiteral("Kalkulation speichern"), kalkulationsfilter,
                                    QString::fromLatin1(kalkulationsendung), m_umgebung.datei);
    if (datei.isEmpty())
        return;
    const QString fehler =
        kalkulationSpeichern(datei, {m_beschreibung.pfad, m_beschreibung.schritt, daten()}, zustand().grundlage);
    if (fehler.isEmpty()) {
        m_umgebung.datei = datei;
        fenstertitelSetzen();
    }
    gespeichert(datei, fehler);
}

void Pfadformular::alsPdfSpeichern()
{
    // The file is named after the calculation, or else after the screen's title.
    const QString name = m_bezeichnung && !m_bezeichnung->text().isEmpty() ? m_bezeichnung->text() : m_titel->text();
    rahmen().ausgabe().pdfSpeichern(name, m_umgebung.datei, [this](const QString& datei) { return pdfSchreiben(datei); });
}

QString Pfadformular::pdfSchreiben(const QString& datei)
{
    return ergebnisberichtSchreiben(datei, zustand(), m_beschreibung.schritt, dienste().jetzt());
}

void Pfadformular::alsCsvSpeichern()
{
    const QString datei =
        dateiname(QStringLiteral("Als CSV speichern"), QStringLiteral("CSV-Dateien (*.csv)"), QStringLiteral("csv"));
    if (datei.isEmpty())
        return;
    gespeichert(datei, gleicheDatei(datei, m_umgebung.datei) ? texte::istKalkulation : csvSchreiben(datei));
}

QString Pfadformular::csvSchreiben(const QString& datei)
{
    return dateiSchreiben(datei, csvText(blattzeilen(blattinhalt(zustand(), m_beschreibung.schritt))));
}

void Pfadformular::keyPressEvent(QKeyEvent* ereignis)
{
    switch (ereignis->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (istEingabe(m_beschreibung.schritt) && !qobject_cast<QPushButton*>(focusWidget())) {
            m_vorwaerts->click();
            return;
        }
        break;
    case Qt::Key_Escape:
        // Escape leaves the screen the way its back button does; step 1 has
        // none and goes back to the main menu.
        (m_zurueck ? m_zurueck : m_hauptmenue)->click();
        return;
    default:
        break;
    }
    Formular::keyPressEvent(ereignis);
}

} // namespace grobrechner
