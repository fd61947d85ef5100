#include "gesamtblatt.h"

#include "blattinhalt.h"
#include "diagramm.h"
#include "klickbar.h"
#include "wertetabelle.h"
#include "wirtschaftlichkeit.h"

#include <QGridLayout>
#include <QLabel>

#include <algorithm>

namespace grobrechner {

Gesamtblatt::Gesamtblatt(const Pfadbildschirm& bildschirm, Umgebung& umgebung, Anordnung anordnung)
    : Pfadformular(bildschirm, umgebung)
    , m_links(new QWidget(rahmen().inhalt()))
    , m_rechts(new QWidget(rahmen().inhalt()))
    , m_anordnung(anordnung)
{
    // Two blocks of their own, so that a caption wrapping on one side does not
    // stretch the rows of the other.
    const bool untereinander = anordnung == Anordnung::untereinander;
    auto* raster = new QGridLayout(rahmen().inhalt());
    raster->setContentsMargins(0, 0, 0, 0);
    raster->addWidget(m_links, 0, 0, Qt::AlignTop);
    raster->setColumnMinimumWidth(1, 24);
    if (untereinander) {
        raster->setRowMinimumHeight(1, 16);
        raster->addWidget(m_rechts, 2, 0, 1, 4, Qt::AlignTop | Qt::AlignLeft);
        raster->setRowStretch(3, 1);
    } else {
        raster->addWidget(m_rechts, 0, 2, 2, 1, Qt::AlignTop);
        raster->setRowStretch(1, 1);
    }
    raster->setColumnStretch(3, 1);
    // The blocks are background too.
    setHint(m_links, beschreibung().hintergrundHinweis);
    setHint(m_rechts, beschreibung().hintergrundHinweis);

    if (untereinander) {
        // In the corner the blocks leave free at the top right, the costs of
        // both installations year by year and where they meet.
        auto* diagramm = new Diagramm(sanierungswirtschaft(zustand()).verlauf, rahmen().inhalt());
        raster->addWidget(diagramm, 0, 2, 1, 2);
    } else {
        auto* bild = new Bild(QStringLiteral("ergebnisblatt"), rahmen().inhalt());
        bild->setObjectName(QStringLiteral("Image4"));
        bild->setAccessibleName(QStringLiteral("Straßenleuchten und Kostendiagramm"));
        bild->setGroesse(QSize(180, 120));
        raster->addWidget(bild, 1, 0, Qt::AlignLeft | Qt::AlignBottom);
    }

    const Blattinhalt inhalt = blattinhalt(zustand(), bildschirm.schritt);
    const Wertetabelle links(m_links, inhalt.tabellen.at(0));
    const Wertetabelle rechts(m_rechts, inhalt.tabellen.at(1));
    m_rechtesRaster = rechts.raster();
    for (QLabel* wert : links.werte() + rechts.werte()) {
        if (!wert->wordWrap())
            continue;
        // A wrapping label asks for a narrow column; a text stays on one line
        // unless it is unusually long.
        const QFontMetrics masse = wert->fontMetrics();
        const int breite = masse.horizontalAdvance(wert->text()) + masse.averageCharWidth();
        wert->setMinimumWidth(std::min(breite, masse.averageCharWidth() * 48));
    }
    layoutAbschliessen();
}

void Gesamtblatt::layoutAbschliessen()
{
    constexpr int zeichen = 34;
    for (QWidget* block : {m_links, m_rechts}) {
        auto* raster = qobject_cast<QGridLayout*>(block->layout());
        for (int i = 0; raster && i < raster->count(); ++i) {
            int zeile, spalte, hoehe, breite;
            raster->getItemPosition(i, &zeile, &spalte, &hoehe, &breite);
            auto* l = qobject_cast<QLabel*>(raster->itemAt(i)->widget());
            if (spalte == 0 && breite == 1 && l && l->wordWrap())
                l->setMinimumWidth(std::min(l->minimumWidth(), l->fontMetrics().averageCharWidth() * zeichen));
        }
        // At its narrowest every wrapping text takes the most lines. Above the
        // other block, the upper one has the width it asks for: the lower
        // one is wider anyway, and the upper one need not be higher than its
        // texts at that width.
        int breite = block->minimumSizeHint().width();
        if (m_anordnung == Anordnung::untereinander && block == m_links) {
            breite = block->sizeHint().width();
            qobject_cast<QGridLayout*>(rahmen().inhalt()->layout())->setColumnMinimumWidth(0, breite);
        }
        block->setMinimumHeight(block->heightForWidth(breite));
    }
}

} // namespace grobrechner
