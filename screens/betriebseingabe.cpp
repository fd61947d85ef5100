#include "betriebseingabe.h"

#include "beschriftung.h"
#include "eingabefelder.h"
#include "eingabepruefung.h"
#include "geplanteanlage.h"
#include "kalkulationsdaten.h"
#include "lampenkatalog.h"
#include "leuchtmittelwahl.h"
#include "zahlenfeld.h"
#include "zahlentext.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace grobrechner {

Betriebseingabe::Betriebseingabe(const Pfadbildschirm& bildschirm, Umgebung& umgebung)
    : Pfadformular(bildschirm, umgebung)
{
    QWidget* inhalt = rahmen().inhalt();
    m_raster = new QGridLayout(inhalt);
    m_raster->setContentsMargins(0, 0, 0, 0);
    // Column 0 stays empty, and takes no room, unless a screen puts the
    // existing installation there.
    m_raster->setHorizontalSpacing(0);
    m_raster->setVerticalSpacing(10);

    m_anlage = new GeplanteAnlage(lampenauswahl(beschreibung().pfad), daten(), inhalt);
    // The gaps between the frames belong to the background.
    setHint(m_anlage, beschreibung().hintergrundHinweis);
    auslaufhinweiseSetzen(*this, *m_anlage);
    m_raster->addWidget(m_anlage, 1, 1);

    auto* preis = new QHBoxLayout;
    preis->setSpacing(8);
    auto* beschriftung = new Beschriftung(QStringLiteral("Durchschnittlicher Strompreis:"), inhalt);
    beschriftung->setObjectName(QStringLiteral("Label9"));
    txtstromko = zahlenfeld("txtstromko", zahlfeld(Eingabefeld::strompreis, beschreibung().pfad)->zeichen,
                            QStringLiteral("Durchschnittlicher Strompreis in Cent pro kWh"), inhalt);
    beschriftung->setBuddy(txtstromko);
    auto* einheit = new Beschriftung(QStringLiteral("Cent/kWh"), inhalt);
    einheit->setObjectName(QStringLiteral("Label8"));
    preis->addWidget(beschriftung);
    preis->addWidget(txtstromko);
    preis->addWidget(einheit);
    preis->addStretch(1);
    m_raster->addLayout(preis, 2, 0, 1, 2);
    m_raster->setRowStretch(3, 1);

    tastaturfolge({});
    txtstromko->setFocus();
}

void Betriebseingabe::tastaturfolge(const QList<QWidget*>& vorn)
{
    QList<QWidget*> reihe = vorn;
    reihe << m_anlage->eingabefolge() << txtstromko << vorwaertsknopf() << zurueckknopf() << hauptmenueknopf()
          << speicherknopf();
    for (qsizetype i = 1; i < reihe.size(); ++i)
        setTabOrder(reihe[i - 1], reihe[i]);
}

void Betriebseingabe::datenZeigen()
{
    m_anlage->zeigen(daten());
    txtstromko->setText(QString::fromStdString(zahltext(daten().strompreis)));
}

bool Betriebseingabe::eingabenUebernehmen()
{
    const std::optional<float> preis =
        zahlPruefen(*this, txtstromko, zahlfeld(Eingabefeld::strompreis, beschreibung().pfad)->grenze,
                    QStringLiteral("Falsche Eingabe"),
                    QStringLiteral("Bitte geben Sie den korrekten durchschnittlichen Strompreis ein!"));
    if (!preis)
        return false;
    daten().strompreis = *preis;
    return m_anlage->schaltung().abschaltung()->dauerUebernehmen(*this);
}

} // namespace grobrechner
