#include "frmbetrko_san.h"

#include "beschriftung.h"
#include "pfadbildschirme.h"

#include "eingabefelder.h"
#include "eingabepruefung.h"
#include "geplanteanlage.h"
#include "kalkulationsdaten.h"
#include "leuchtmittelwahl.h"
#include "zahlenfeld.h"
#include "zahlentext.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace grobrechner {

namespace {

QLabel* label(const char* name, const QString& text, QWidget* eltern)
{
    auto* l = new Beschriftung(text, eltern);
    l->setObjectName(QString::fromUtf8(name));
    return l;
}

QLabel* spaltenkopf(const char* name, const QString& text, QWidget* eltern)
{
    QLabel* l = label(name, text, eltern);
    QFont fett = l->font();
    fett.setBold(true);
    l->setFont(fett);
    return l;
}

} // namespace

frmbetrko_san::frmbetrko_san(Umgebung& umgebung)
    : Betriebseingabe(pfadbildschirm(Pfad::Sanierung, Schritt::Betriebseingabe), umgebung)
{
    QWidget* inhalt = rahmen().inhalt();
    Kalkulationsdaten& d = daten();
    raster()->addWidget(spaltenkopf("Label6", QStringLiteral("Bestand der Straßenbeleuchtung"), inhalt), 0, 0);
    raster()->addWidget(spaltenkopf("Label7", QStringLiteral("Straßenbeleuchtung nach Sanierung"), inhalt), 0, 1);

    // Both installations share the width alike.
    raster()->setColumnStretch(0, 1);
    raster()->setColumnStretch(1, 1);
    raster()->setHorizontalSpacing(24);

    auto* spalte = new QVBoxLayout;
    spalte->setSpacing(10);
    auto* wattage = new QHBoxLayout;
    wattage->setSpacing(8);
    QLabel* beschriftung =
        label("Label10", QStringLiteral("Durchschnittliche Wattage der Leuchtmittel pro Lichtpunkt:"), inhalt);
    txtwattageb = zahlenfeld("txtwattageb", zahlfeld(Eingabefeld::wattageb, Pfad::Sanierung)->zeichen,
                             QStringLiteral("Durchschnittliche Wattage des Bestands in Watt"), inhalt);
    beschriftung->setBuddy(txtwattageb);
    wattage->addWidget(beschriftung);
    wattage->addWidget(txtwattageb);
    wattage->addWidget(label("Label11", QStringLiteral("Watt"), inhalt));
    wattage->addStretch(1);
    spalte->addLayout(wattage);

    m_lampentyp = new Bestandsleuchtmittelwahl(d, inhalt);
    auslaufhinweiseSetzen(*this, *m_lampentyp);
    spalte->addWidget(m_lampentyp);
    m_bestand.emplace(bestehendeSchaltung, Abschaltungsangebot{true, false}, d, inhalt, spalte);
    spalte->addStretch(1);
    raster()->addLayout(spalte, 1, 0);

    QList<QWidget*> vorn{txtwattageb};
    for (QWidget* o : m_lampentyp->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        vorn << o;
    tastaturfolge(vorn << m_bestand->eingabefolge());
    txtwattageb->setFocus();
}

void frmbetrko_san::datenZeigen()
{
    Betriebseingabe::datenZeigen();
    const Kalkulationsdaten& d = daten();
    txtwattageb->setText(QString::fromStdString(zahltext(d.wattageb)));
    m_lampentyp->zeigen(*d.bestandslampe);
    m_bestand->zeigen(d.schaltungb);
}

bool frmbetrko_san::eingabenUebernehmen()
{
    const std::optional<float> wattage =
        zahlPruefen(*this, txtwattageb, zahlfeld(Eingabefeld::wattageb, Pfad::Sanierung)->grenze,
                    QStringLiteral("Eingabe fehlt"),
                    QStringLiteral("Bitte geben Sie die Wattage des am häufigsten eingesetzten Leuchtmittels ein!"));
    if (!wattage)
        return false;
    daten().wattageb = *wattage;
    return Betriebseingabe::eingabenUebernehmen() && m_bestand->abschaltung()->dauerUebernehmen(*this);
}

} // namespace grobrechner
