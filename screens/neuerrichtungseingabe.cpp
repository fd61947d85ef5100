#include "neuerrichtungseingabe.h"

#include "beschriftung.h"
#include "eingabefelder.h"
#include "eingabepruefung.h"
#include "errichtungskosten.h"
#include "kalkulationsdaten.h"
#include "leuchtenwahl.h"
#include "optionspaar.h"
#include "ui_neuerrichtungseingabe.h"
#include "zahlentext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace grobrechner {

namespace {

const QString eingabeFehlt = QStringLiteral("Eingabe fehlt");
const QString falscheEingabe = QStringLiteral("Falsche Eingabe");

// Rows of the form's grid that are filled here.
enum Zeile { zeileLeuchte = 0, zeileAbstand = 3, zeileEmpfehlung = 4, zeileVerteiler = 5 };

QLabel* label(const char* name, const QString& text, QWidget* eltern)
{
    auto* l = new Beschriftung(text, eltern);
    l->setObjectName(QString::fromUtf8(name));
    return l;
}

void setzeText(QLineEdit* feld, float wert) { feld->setText(QString::fromStdString(zahltext(wert))); }

} // namespace

Neuerrichtungseingabe::Neuerrichtungseingabe(const Pfadbildschirm& bildschirm, Umgebung& umgebung, const Art& art)
    : Pfadformular(bildschirm, umgebung)
    , m_ui(std::make_unique<Ui::NeuerrichtungseingabeInhalt>())
{
    QWidget* inhalt = rahmen().inhalt();
    m_ui->setupUi(inhalt);
    // The controls keep their German names; the C++ members are plain ASCII.
    m_ui->txtstrassenlaenge->setObjectName(QStringLiteral("txtstraßenlänge"));
    m_ui->cbolichtpunkthoehe->setObjectName(QStringLiteral("cbolichtpunkthöhe"));
    m_ui->txtgrabungslaenge->setObjectName(QStringLiteral("txtgrabungslänge"));
    const Pfad pfad = beschreibung().pfad;
    m_ui->txtstrassenlaenge->setMaxLength(zahlfeld(Eingabefeld::strlaenge, pfad)->zeichen);
    m_ui->txtgrabungslaenge->setMaxLength(zahlfeld(Eingabefeld::grabungsl, pfad)->zeichen);
    Kalkulationsdaten& d = daten();

    m_leuchtenwahl = new Leuchtenwahl(QStringLiteral("Auswahl der gewünschten Leuchte:"), d.leuchtenart, *this, inhalt);
    m_ui->raster->addWidget(m_leuchtenwahl, zeileLeuchte, 0, 1, 3);
    m_verteilerwahl = verteilerwahl(d.verteiler, inhalt);
    m_ui->raster->addWidget(m_verteilerwahl, zeileVerteiler, 0, 1, 3);

    for (float hoehe : lichtpunkthoehen(pfad))
        m_ui->cbolichtpunkthoehe->addItem(QString::fromStdString(zahltext(hoehe)), hoehe);
    m_ui->cbolichtpunkthoehe->setCurrentIndex(-1);
    connect(m_ui->cbolichtpunkthoehe, &QComboBox::activated, this, &Neuerrichtungseingabe::hoeheGewaehlt);

    if (art.abstandWaehlbar) {
        abstandszeileAnlegen();
        connect(m_leuchtenwahl, &Optionspaar::gewaehlt, this, &Neuerrichtungseingabe::empfehlungAktualisieren);
    }

    connect(m_ui->txtstrassenlaenge, &QLineEdit::textChanged, this, &Neuerrichtungseingabe::erdreichAktualisieren);
    connect(m_ui->txtgrabungslaenge, &QLineEdit::textChanged, this, &Neuerrichtungseingabe::erdreichAktualisieren);

    // Keyboard order: style, street length, height, spacing, cabinet, digging,
    // then the calculate button and "zum Hauptmenü".
    QList<QWidget*> reihe{bezeichnungsfeld(), m_leuchtenwahl->erste(), m_leuchtenwahl->zweite(),
                          m_ui->txtstrassenlaenge, m_ui->cbolichtpunkthoehe};
    if (txtlpabstand)
        reihe << txtlpabstand;
    reihe << m_verteilerwahl->erste() << m_verteilerwahl->zweite() << m_ui->txtgrabungslaenge << vorwaertsknopf()
          << hauptmenueknopf();
    for (qsizetype i = 1; i < reihe.size(); ++i)
        setTabOrder(reihe[i - 1], reihe[i]);
    m_leuchtenwahl->erste()->setFocus();
}

Neuerrichtungseingabe::~Neuerrichtungseingabe() = default;

void Neuerrichtungseingabe::abstandszeileAnlegen()
{
    QWidget* inhalt = rahmen().inhalt();
    QGridLayout* raster = m_ui->raster;
    txtlpabstand = new QLineEdit(inhalt);
    txtlpabstand->setObjectName(QStringLiteral("txtlpabstand"));
    txtlpabstand->setMaxLength(zahlfeld(Eingabefeld::lpabstand, beschreibung().pfad)->zeichen);
    txtlpabstand->setAccessibleName(QStringLiteral("Lichtpunktabstand in Meter"));
    QLabel* beschriftung = label("Label11", QStringLiteral("Lichtpunktabstand:"), inhalt);
    beschriftung->setBuddy(txtlpabstand);
    raster->addWidget(beschriftung, zeileAbstand, 0);
    raster->addWidget(txtlpabstand, zeileAbstand, 1);
    raster->addWidget(label("Label10", QStringLiteral("Meter"), inhalt), zeileAbstand, 2);

    lbllphinweis = label("lbllphinweis", {}, inhalt);
    lbllphinweis->setWordWrap(true);
    raster->addWidget(lbllphinweis, zeileEmpfehlung, 1, 1, 3);
    lblmaxlpa = label("lblmaxlpa", {}, inhalt);
    lblmaxlpa->hide();
}

void Neuerrichtungseingabe::hoeheGewaehlt(int index)
{
    Kalkulationsdaten& d = daten();
    d.lphoehe = m_ui->cbolichtpunkthoehe->itemData(index).toFloat();
    if (!txtlpabstand)
        return;
    // A new height asks for a spacing of its own.
    txtlpabstand->clear();
    txtlpabstand->setFocus(Qt::OtherFocusReason);
    empfehlungAktualisieren();
}

void Neuerrichtungseingabe::empfehlungAktualisieren()
{
    // An unknown height (none chosen yet) keeps the last recommendation.
    const Abstandsempfehlung* zeile = abstandsempfehlung(daten().lphoehe);
    if (!zeile)
        return;
    lbllphinweis->setText(QString::fromStdString(empfehlungstext(*zeile, daten().leuchtenart)));
    lblmaxlpa->setText(QString::fromStdString(zahltext(zeile->maximum)));
}

void Neuerrichtungseingabe::erdreichAktualisieren()
{
    // While either text is not a number, the last figure stays.
    const std::optional<double> erdreich =
        erdreichlaenge(m_ui->txtstrassenlaenge->text().toStdString(), m_ui->txtgrabungslaenge->text().toStdString());
    if (erdreich)
        m_ui->lbldiffgrab->setText(QString::fromStdString(formatGanzzahl(*erdreich)) + QStringLiteral(" Meter"));
}

void Neuerrichtungseingabe::datenZeigen()
{
    Pfadformular::datenZeigen();
    const Kalkulationsdaten& d = daten();
    m_leuchtenwahl->zeigen(d.leuchtenart == Leuchtenart::technisch);
    m_verteilerwahl->zeigen(d.verteiler);
    setzeText(m_ui->txtstrassenlaenge, d.strlaenge);
    setzeText(m_ui->txtgrabungslaenge, d.grabungsl);
    m_ui->cbolichtpunkthoehe->setCurrentIndex(m_ui->cbolichtpunkthoehe->findData(d.lphoehe));
    if (txtlpabstand) {
        empfehlungAktualisieren();
        setzeText(txtlpabstand, d.lpabstand);
    }
}

bool Neuerrichtungseingabe::eingabenUebernehmen()
{
    // Each entry is written as soon as it has passed, so a later failure
    // leaves the earlier ones in the record.
    Kalkulationsdaten& d = daten();
    const Pfad pfad = beschreibung().pfad;
    const std::optional<float> laenge =
        zahlPruefen(*this, m_ui->txtstrassenlaenge, zahlfeld(Eingabefeld::strlaenge, pfad)->grenze, eingabeFehlt,
                    QStringLiteral("Bitte geben Sie die Straßenlänge ein!"));
    if (!laenge)
        return false;
    d.strlaenge = *laenge;

    QComboBox* hoehe = m_ui->cbolichtpunkthoehe;
    if (hoehe->currentIndex() < 0) {
        eingabeBemaengeln(*this, hoehe, eingabeFehlt, QStringLiteral("Bitte geben Sie die Lichtpunkthöhe ein!"), false);
        return false;
    }
    d.lphoehe = hoehe->currentData().toFloat();

    if (txtlpabstand) {
        const std::optional<float> abstand = eingabeLesen(txtlpabstand->text().toStdString(),
                                                          zahlfeld(Eingabefeld::lpabstand, pfad)->grenze);
        if (!abstand || !abstandPasst(*abstand, d.lphoehe)) {
            eingabeBemaengeln(*this, txtlpabstand, falscheEingabe,
                              QStringLiteral("Bitte geben Sie den korrekten Lichtpunktabstand ein!"));
            return false;
        }
        d.lpabstand = *abstand;
    }

    const std::optional<float> grabung =
        zahlPruefen(*this, m_ui->txtgrabungslaenge, zahlfeld(Eingabefeld::grabungsl, pfad)->grenze, eingabeFehlt,
                    QStringLiteral("Bitte geben Sie die Grabungslänge ein!"));
    if (!grabung)
        return false;
    d.grabungsl = *grabung;
    if (!grabungslaengePasst(d.grabungsl, d.strlaenge)) {
        eingabeBemaengeln(
            *this, m_ui->txtgrabungslaenge, falscheEingabe,
            QStringLiteral("Bitte geben Sie eine Grabungslänge ein, die nicht größer als die Straßenlänge ist!"));
        return false;
    }
    return true;
}

} // namespace grobrechner
