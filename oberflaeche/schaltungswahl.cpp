#include "schaltungswahl.h"

#include "beschriftung.h"
#include "eingabepruefung.h"
#include "kalkulationsdaten.h"
#include "zahlenfeld.h"
#include "zahlentext.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace grobrechner {

using K = Kalkulationsdaten;

const Schaltungsnamen geplanteSchaltung = {
    &K::schaltung,
    "Frame1", "optdämm", "optastro",
    "Frame3", "optabschaltja", "optabschaltnein", "txtabschaltungdauer", "lblabschaltungdauer",
    "Abschaltdauer in Stunden pro Tag",
    Eingabefeld::abschaltdauer,
    "Frame2", "optsenkja", "optsenknein",
};

const Schaltungsnamen bestehendeSchaltung = {
    &K::schaltungb,
    "Frame7", "optdammb", "optastrob",
    "Frame5", "optabschaltjab", "optabschaltneinb", "txtabschaltungbdauer", "lblabschaltungbdauer",
    "Abschaltdauer des Bestands in Stunden pro Tag",
    Eingabefeld::abschaltdauerb,
    "Frame6", "optsenkjab", "optsenkneinb",
};

namespace {

const QString ja = QStringLiteral("Ja");
const QString nein = QStringLiteral("Nein");

void unveraendertLassen(QWidget* w)
{
    // Showing and hiding the duration must not make the frame jump.
    QSizePolicy politik = w->sizePolicy();
    politik.setRetainSizeWhenHidden(true);
    w->setSizePolicy(politik);
}

} // namespace

Abschaltungswahl::Abschaltungswahl(const Schaltungsnamen& n, const Abschaltungsangebot& angebot,
                                   Kalkulationsdaten& daten, QWidget* eltern)
    : Optionspaar(n.abschaltFrame, QStringLiteral("Wird Ihre Anlage nachts abgeschalten?"), {n.optabschaltja, ja},
                  {n.optabschaltnein, angebot.neinEmpfohlen ? QStringLiteral("Nein (empfohlen)") : nein},
                  jaNeinFeld((daten.*n.schaltung).abschaltung), false, eltern)
    , m_schaltung(daten.*n.schaltung)
    // A duration is bounded alike on every path.
    , m_feld(*zahlfeld(n.dauerEingabe, Pfad::Sanierung))
{
    if (!angebot.waehlbar) {
        // Such an installation is never switched off: nothing is selected and
        // the record keeps its switch-off off.
        for (QRadioButton* o : {erste(), zweite()}) {
            o->setAutoExclusive(false);
            o->setChecked(false);
            o->setAutoExclusive(true);
        }
        setEnabled(false);
        return;
    }

    m_dauer = zahlenfeld(n.dauerfeld, m_feld.zeichen, QString::fromUtf8(n.dauerBeschreibung), this);
    m_einheit = new Beschriftung(QStringLiteral("Stunden/Tag"), this);
    m_einheit->setObjectName(QString::fromUtf8(n.dauerlabel));
    m_einheit->setBuddy(m_dauer);
    for (QWidget* w : {static_cast<QWidget*>(m_dauer), static_cast<QWidget*>(m_einheit)}) {
        unveraendertLassen(w);
        w->hide();
    }

    // The duration stands beside "Ja", which keeps its own height in the
    // field's higher row rather than growing to it.
    delete layout();
    auto* raster = new QGridLayout(this);
    raster->addWidget(erste(), 0, 0, Qt::AlignVCenter);
    raster->addWidget(m_dauer, 0, 1);
    raster->addWidget(m_einheit, 0, 2);
    raster->addWidget(zweite(), 1, 0, 1, 3);
    raster->setColumnStretch(3, 1);

    connect(this, &Optionspaar::gewaehlt, this, [this](bool jaGewaehlt) {
        if (jaGewaehlt) {
            m_dauer->show();
            m_dauer->setFocus(Qt::OtherFocusReason);
            m_einheit->show();
        } else {
            m_dauer->hide();
            m_einheit->hide();
        }
    });
}

bool Abschaltungswahl::dauerUebernehmen(Formular& formular)
{
    // The record decides, not the field: a text left in a hidden field is
    // never looked at.
    if (!m_dauer || !m_schaltung.abschaltung)
        return true;
    if (!zahlPruefen(formular, m_dauer, m_feld.grenze, QStringLiteral("Falsche Eingabe"),
                     QStringLiteral("Bitte geben Sie die korrekte Abschaltdauer pro Tag ein!")))
        return false;
    // The number the text stands for, not the float it was checked as.
    m_schaltung.abschaltdauer = zahlAusText(m_dauer->text().toStdString());
    return true;
}

void Abschaltungswahl::zeigen(const Schaltung& schaltung)
{
    if (!m_dauer)
        return;
    Optionspaar::zeigen(schaltung.abschaltung);
    m_dauer->setText(schaltung.abschaltung && schaltung.abschaltdauer
                         ? QString::fromStdString(zahltext(static_cast<float>(*schaltung.abschaltdauer)))
                         : QString());
    m_dauer->setVisible(schaltung.abschaltung);
    m_einheit->setVisible(schaltung.abschaltung);
}

Schaltungswahl::Schaltungswahl(const Schaltungsnamen& n, const Abschaltungsangebot& angebot, Kalkulationsdaten& daten,
                               QWidget* eltern, QBoxLayout* spalte)
    : m_einschaltung(new Optionspaar(
          n.einschaltFrame, QStringLiteral("Wie wird Ihre Anlage ein-/ausgeschalten?"),
          {n.optdaemm, QStringLiteral("Dämmerungsschalter, Zeitschaltuhr, Rundsteuersignal über Dämmerungsschalter")},
          {n.optastro, QStringLiteral("Astronomische Zeitschaltuhr, Rundsteuersignal über astronomische Zeitschaltuhr")},
          [&s = daten.*n.schaltung](bool daemm) {
              s.einschaltung = daemm ? Einschaltung::Daemmerungsschalter : Einschaltung::Astronomisch;
          },
          true, eltern))
    , m_abschaltung(new Abschaltungswahl(n, angebot, daten, eltern))
    , m_absenkung(new Optionspaar(n.senkFrame, QStringLiteral("Wird Ihre Anlage nachts abgesenkt?"), {n.optsenkja, ja},
                                  {n.optsenknein, nein}, jaNeinFeld((daten.*n.schaltung).absenkung), false, eltern))
{
    spalte->addWidget(m_einschaltung);
    spalte->addWidget(m_abschaltung);
    spalte->addWidget(m_absenkung);
}

void Schaltungswahl::zeigen(const Schaltung& schaltung)
{
    m_einschaltung->zeigen(schaltung.einschaltung == Einschaltung::Daemmerungsschalter);
    m_abschaltung->zeigen(schaltung);
    m_absenkung->zeigen(schaltung.absenkung);
}

QList<QWidget*> Schaltungswahl::eingabefolge() const
{
    QList<QWidget*> folge{m_einschaltung->erste(), m_einschaltung->zweite(), m_abschaltung->erste()};
    if (m_abschaltung->dauerfeld())
        folge << m_abschaltung->dauerfeld();
    folge << m_abschaltung->zweite() << m_absenkung->erste() << m_absenkung->zweite();
    return folge;
}

} // namespace grobrechner
