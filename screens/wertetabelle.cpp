#include "wertetabelle.h"

#include <QGridLayout>
#include <QLabel>

namespace grobrechner {

Wertetabelle::Wertetabelle(QWidget* eltern)
    : m_eltern(eltern)
    , m_raster(new QGridLayout(eltern))
{
    m_raster->setHorizontalSpacing(12);
    m_raster->setColumnStretch(3, 1);
}

Wertetabelle::Wertetabelle(QGridLayout* raster, int spalte)
    : m_eltern(raster->parentWidget())
    , m_raster(raster)
    , m_spalte(spalte)
{
}

QLabel* Wertetabelle::label(const char* name, const QString& text, bool fett)
{
    auto* l = new QLabel(text, m_eltern);
    if (name)
        l->setObjectName(QString::fromUtf8(name));
    if (fett) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QLabel* Wertetabelle::ueberschrift(const char* name, const QString& text)
{
    QLabel* l = label(name, text, true);
    m_raster->addWidget(l, m_zeile++, m_spalte, 1, 3);
    return l;
}

QLabel* Wertetabelle::zahl(const char* beschriftungName, const QString& beschriftung, const char* wertName,
                           const char* einheitName, const QString& einheit, bool betont)
{
    QLabel* b = label(beschriftungName, beschriftung, betont);
    b->setWordWrap(true);
    QLabel* wert = label(wertName, QString(), betont);
    wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_raster->addWidget(b, m_zeile, m_spalte);
    m_raster->addWidget(wert, m_zeile, m_spalte + 1);
    if (einheitName)
        m_raster->addWidget(label(einheitName, einheit, betont), m_zeile, m_spalte + 2);
    ++m_zeile;
    return wert;
}

QLabel* Wertetabelle::text(const char* beschriftungName, const QString& beschriftung, const char* wertName)
{
    QLabel* b = label(beschriftungName, beschriftung, false);
    QLabel* wert = label(wertName, QString(), false);
    wert->setWordWrap(true);
    m_raster->addWidget(b, m_zeile, m_spalte);
    m_raster->addWidget(wert, m_zeile, m_spalte + 1, 1, 2);
    ++m_zeile;
    return wert;
}

void Wertetabelle::abstand(int hoehe)
{
    m_raster->setRowMinimumHeight(m_zeile++, hoehe);
}

} // namespace grobrechner
