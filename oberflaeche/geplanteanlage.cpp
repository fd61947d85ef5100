#include "geplanteanlage.h"

#include "kalkulationsdaten.h"
#include "lampenkatalog.h"
#include "leuchtmittelwahl.h"

#include <QBoxLayout>
#include <QRadioButton>

namespace grobrechner {

namespace {

QVBoxLayout* spalteVon(QWidget* w)
{
    auto* spalte = new QVBoxLayout(w);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(10);
    return spalte;
}

template <typename W>
W* angefuegt(QBoxLayout* spalte, W* w)
{
    spalte->addWidget(w);
    return w;
}

} // namespace

GeplanteAnlage::GeplanteAnlage(const Lampenauswahl& auswahl, Kalkulationsdaten& daten, QWidget* eltern)
    : QWidget(eltern)
    , m_spalte(spalteVon(this))
    , m_leuchtmittel(angefuegt(m_spalte, new Leuchtmittelwahl(auswahl, daten, this)))
    , m_schaltung(geplanteSchaltung, {auswahl.abschaltungWaehlbar, auswahl.neinEmpfohlen}, daten, this, m_spalte)
{
}

void GeplanteAnlage::zeigen(const Kalkulationsdaten& daten)
{
    m_leuchtmittel->zeigen(*daten.lampe);
    m_schaltung.zeigen(daten.schaltung);
}

QList<QWidget*> GeplanteAnlage::eingabefolge() const
{
    QList<QWidget*> folge;
    for (QRadioButton* o : m_leuchtmittel->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        folge << o;
    return folge << m_schaltung.eingabefolge();
}

} // namespace grobrechner
