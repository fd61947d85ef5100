#include "wertetabelle.h"

#include "blattzeilen.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>

namespace grobrechner {

Wertetabelle::Wertetabelle(QWidget* eltern)
    : m_eltern(eltern)
    , m_raster(new QGridLayout(eltern))
    , m_blattzeilen(Blattzeilen::von(eltern))
{
    // The frame of the screen gives the margins.
    m_raster->setContentsMargins(0, 0, 0, 0);
    m_raster->setHorizontalSpacing(12);
    m_raster->setColumnStretch(3, 1);
}

Wertetabelle::Wertetabelle(QGridLayout* raster, int spalte, Beschriftung beschriftung)
    : m_eltern(raster->parentWidget())
    , m_raster(raster)
    , m_blattzeilen(Blattzeilen::von(m_eltern))
    , m_spalte(spalte)
    , m_beschriftung(beschriftung)
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

void Wertetabelle::eintragen(int spalte, QLabel* label)
{
    if (m_blattzeilen)
        m_blattzeilen->eintragen(m_raster, m_zeile, spalte, label);
}

QLabel* Wertetabelle::zeile(const Zeile& z)
{
    const QString beschriftung = QString::fromUtf8(z.beschriftung);
    return z.einheitName ? zahl(z.beschriftungName, beschriftung, z.wertName, z.einheitName,
                                QString::fromUtf8(z.einheit), z.betont)
                         : text(z.beschriftungName, beschriftung, z.wertName);
}

QLabel* Wertetabelle::ueberschrift(const char* name, const QString& text)
{
    QLabel* l = label(name, text, true);
    eintragen(m_spalte, l);
    m_raster->addWidget(l, m_zeile++, m_spalte, 1, wertspalte() - m_spalte + 2);
    return l;
}

QLabel* Wertetabelle::spaltenkopf(const char* name, const QString& text)
{
    QLabel* l = label(name, text, true);
    if (m_blattzeilen)
        m_blattzeilen->kopf(m_raster, wertspalte(), l);
    m_raster->addWidget(l, m_zeile++, wertspalte(), 1, 2);
    return l;
}

QLabel* Wertetabelle::beschriftungSetzen(const char* name, const QString& text, bool fett)
{
    if (m_beschriftung == Beschriftung::geteilt)
        return nullptr;
    QLabel* b = label(name, text, fett);
    eintragen(m_spalte, b);
    m_raster->addWidget(b, m_zeile, m_spalte);
    return b;
}

QLabel* Wertetabelle::zahl(const char* beschriftungName, const QString& beschriftung, const char* wertName,
                           const char* einheitName, const QString& einheit, bool betont)
{
    if (QLabel* b = beschriftungSetzen(beschriftungName, beschriftung, betont)) {
        b->setWordWrap(true);
        // A wrapping label asks for a narrow column; an ordinary caption stays on
        // one line and only an unusually long one wraps.
        const QFontMetrics masse = b->fontMetrics();
        // (One character more than the text's advance: the label's own line
        // breaking rounds differently and would otherwise wrap the last word.)
        const int breite = masse.horizontalAdvance(beschriftung) + masse.averageCharWidth();
        b->setMinimumWidth(std::min(breite, masse.averageCharWidth() * 45));
    }
    QLabel* wert = label(wertName, QString(), betont);
    wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    eintragen(wertspalte(), wert);
    m_raster->addWidget(wert, m_zeile, wertspalte());
    if (einheitName) {
        QLabel* e = label(einheitName, einheit, betont);
        eintragen(wertspalte() + 1, e);
        m_raster->addWidget(e, m_zeile, wertspalte() + 1);
    }
    ++m_zeile;
    return wert;
}

QLabel* Wertetabelle::text(const char* beschriftungName, const QString& beschriftung, const char* wertName)
{
    beschriftungSetzen(beschriftungName, beschriftung, false);
    QLabel* wert = label(wertName, QString(), false);
    wert->setWordWrap(true);
    eintragen(wertspalte(), wert);
    m_raster->addWidget(wert, m_zeile, wertspalte(), 1, 2);
    ++m_zeile;
    return wert;
}

QList<QLabel*> Wertetabelle::texte(const char* beschriftungName, const QString& beschriftung,
                                   std::initializer_list<const char*> wertNamen)
{
    beschriftungSetzen(beschriftungName, beschriftung, false);
    auto* zelle = new QHBoxLayout;
    QList<QLabel*> werte;
    for (const char* name : wertNamen) {
        werte.append(label(name, QString(), false));
        eintragen(wertspalte(), werte.back());
        zelle->addWidget(werte.back());
    }
    // A few blanks apart, as one text would read.
    zelle->setSpacing(m_eltern->fontMetrics().horizontalAdvance(QStringLiteral("   ")));
    zelle->addStretch(1);
    m_raster->addLayout(zelle, m_zeile, wertspalte(), 1, 2);
    ++m_zeile;
    return werte;
}

QLabel* Wertetabelle::anmerkung(const char* name)
{
    QLabel* notiz = label(name, QString(), false);
    notiz->setWordWrap(true);
    QFont schraeg = notiz->font();
    schraeg.setItalic(true);
    notiz->setFont(schraeg);
    eintragen(m_spalte, notiz);
    m_raster->addWidget(notiz, m_zeile++, m_spalte, 1, wertspalte() - m_spalte + 2);
    return notiz;
}

void Wertetabelle::abstand(int hoehe)
{
    m_raster->setRowMinimumHeight(m_zeile++, hoehe);
}

} // namespace grobrechner
