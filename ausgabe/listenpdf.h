#pragma once

#include "strassenliste.h"

#include <QDate>
#include <QString>

#include <vector>

namespace grobrechner {

// Writes a computed street list as an A4 landscape PDF: on every page a head
// with the list's name, the date and the data basis, then the table's column
// heads and as many lines as fit, and "Seite 1 von 2" at the foot; the totals
// after the last line. The columns are those of the list window
// (anzeigespalten), the lines in `reihenfolge` (indices into liste.zeilen).
// Vector graphics with real text, written atomically; empty on success,
// otherwise what went wrong, in German.
QString listeAlsPdf(const QString& dateiname, const Strassenliste& liste, const std::vector<int>& reihenfolge,
                    const QString& listenname, const QDate& datum);

} // namespace grobrechner
