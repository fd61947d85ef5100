#pragma once

#include "blattinhalt.h"

#include <QList>

class QGridLayout;
class QLabel;
class QWidget;

namespace grobrechner {

// A table of a result screen laid out like a sheet: caption on the left,
// figure right-aligned in its own column, unit in the next; section headings
// bold, totals too. Each label carries the name and text the core gave it.
//
// A comparison of two installations puts the second one's figures and units
// in the columns beside the first one's (their heads above them) and the
// deviation at the right end of its row, headed right above it. Columns of the
// grid: caption, figure and unit of each installation, deviation.
class Wertetabelle {
public:
    // Lays the table out on `eltern`, which gets the grid.
    Wertetabelle(QWidget* eltern, const Blatttabelle& tabelle);
    Wertetabelle(const Wertetabelle&) = delete;
    Wertetabelle& operator=(const Wertetabelle&) = delete;

    QGridLayout* raster() const { return m_raster; }
    int zeilen() const { return m_zeile; }
    // The labels that show a figure or a text, in their order.
    const QList<QLabel*>& werte() const { return m_werte; }

private:
    QLabel* label(const Feld& feld, bool fett);
    void zeile(const Blattzeile& zeile);

    QWidget* m_eltern;
    QGridLayout* m_raster;
    int m_zeile = 0;
    QList<QLabel*> m_werte;
};

} // namespace grobrechner
