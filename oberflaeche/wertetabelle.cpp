#include "wertetabelle.h"

#include "beschriftung.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>

namespace grobrechner {

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

// The figure column of each installation, and of the deviation.
int wertspalte(std::size_t anlage) { return 1 + 2 * static_cast<int>(anlage); }
constexpr int abweichungsspalte = 5;

} // namespace

Wertetabelle::Wertetabelle(QWidget* eltern, const Blatttabelle& tabelle)
    : m_eltern(eltern)
    , m_raster(new QGridLayout(eltern))
{
    // The frame of the screen gives the margins.
    m_raster->setContentsMargins(0, 0, 0, 0);
    m_raster->setHorizontalSpacing(12);
    // Spare width goes to the right of a table of one installation; a
    // comparison leaves that to its screen.
    if (tabelle.koepfe.empty())
        m_raster->setColumnStretch(3, 1);
    if (!tabelle.koepfe.empty()) {
        for (std::size_t i = 0; i < tabelle.koepfe.size(); ++i)
            m_raster->addWidget(label(tabelle.koepfe[i], true), m_zeile, wertspalte(i), 1, 2);
        ++m_zeile;
    }
    for (const Blattzeile& z : tabelle.zeilen) {
        zeile(z);
        // The deviation's head stands right above it.
        if (!z.abweichung.name.empty())
            m_raster->addWidget(label(tabelle.abweichungskopf, true), m_zeile - 2, abweichungsspalte, 1, 2);
    }
}

QLabel* Wertetabelle::label(const Feld& feld, bool fett)
{
    auto* l = new Beschriftung(text(feld.text), m_eltern);
    l->setObjectName(text(feld.name));
    if (fett) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

void Wertetabelle::zeile(const Blattzeile& z)
{
    if (z.abstandDavor > 0)
        m_raster->setRowMinimumHeight(m_zeile++, z.abstandDavor);
    QList<QLabel*> labels;
    switch (z.art) {
    case Zeilenart::Ueberschrift:
        labels << label(z.beschriftung, true);
        m_raster->addWidget(labels.back(), m_zeile, 0, 1, 3);
        break;
    case Zeilenart::Anmerkung: {
        QLabel* notiz = label(z.beschriftung, false);
        notiz->setWordWrap(true);
        QFont schraeg = notiz->font();
        schraeg.setItalic(true);
        notiz->setFont(schraeg);
        labels << notiz;
        m_raster->addWidget(notiz, m_zeile, 0, 1, 3);
        break;
    }
    case Zeilenart::Zahl:
    case Zeilenart::Text: {
        // A figure is right-aligned, with its unit where it has one; a text
        // stands over the figure and unit columns (the existing installation's
        // note in place of its lamp costs, too). The caption follows the first.
        const auto istZahl = [&z](const Wert& w) { return z.art == Zeilenart::Zahl && !w.text; };
        const bool zahl = !z.werte.empty() && istZahl(z.werte.front());
        QLabel* beschriftung = label(z.beschriftung, zahl && z.betont);
        if (zahl) {
            // A wrapping label asks for a narrow column; an ordinary caption
            // stays on one line and only an unusually long one wraps. (One
            // character more than the text's advance: the label's own line
            // breaking rounds differently and would otherwise wrap the last word.)
            beschriftung->setWordWrap(true);
            const QFontMetrics masse = beschriftung->fontMetrics();
            const int breite = masse.horizontalAdvance(beschriftung->text()) + masse.averageCharWidth();
            beschriftung->setMinimumWidth(std::min(breite, masse.averageCharWidth() * 45));
        }
        labels << beschriftung;
        m_raster->addWidget(beschriftung, m_zeile, 0);
        for (std::size_t i = 0; i < z.werte.size(); ++i) {
            const Wert& w = z.werte[i];
            const int spalte = wertspalte(i);
            if (istZahl(w)) {
                QLabel* wert = label(w.teile.front(), z.betont);
                wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                m_raster->addWidget(wert, m_zeile, spalte);
                labels << wert;
                m_werte << wert;
                if (!w.einheit.name.empty()) {
                    labels << label(w.einheit, z.betont);
                    m_raster->addWidget(labels.back(), m_zeile, spalte + 1);
                }
            } else if (w.teile.size() == 1) {
                QLabel* wert = label(w.teile.front(), false);
                wert->setWordWrap(!z.einzeilig);
                m_raster->addWidget(wert, m_zeile, spalte, 1, 2);
                labels << wert;
                m_werte << wert;
            } else {
                // Several texts a few blanks apart, as one text would read.
                auto* zelle = new QHBoxLayout;
                for (const Feld& teil : w.teile) {
                    labels << label(teil, false);
                    m_werte << labels.back();
                    zelle->addWidget(labels.back());
                }
                zelle->setSpacing(m_eltern->fontMetrics().horizontalAdvance(QStringLiteral("   ")));
                zelle->addStretch(1);
                m_raster->addLayout(zelle, m_zeile, spalte, 1, 2);
            }
        }
        if (!z.abweichung.name.empty()) {
            QLabel* abweichung = label(z.abweichung, true);
            abweichung->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_raster->addWidget(abweichung, m_zeile, abweichungsspalte);
            labels << abweichung;
            m_werte << abweichung;
        }
        break;
    }
    }
    ++m_zeile;
    if (z.verborgen)
        for (QLabel* l : labels)
            l->hide();
}

} // namespace grobrechner
