#pragma once

#include "strassenliste.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace grobrechner {

// Writes a computed street list as a report, PDF/A-1b in A4 landscape: the
// title "Straßenliste", the list's name, the date of `jetzt` and the data
// basis; then one table with the columns of the list window (anzeigespalten),
// figures right-aligned on one line, texts wrapping, the lines in
// `reihenfolge` (indices into liste.zeilen), refused ones with their reason as
// status; the totals in bold at its end. In the report's own sizes the
// columns of a list are far wider than a page, so the table is set in parts
// one after the other, each with the street's name in front (see
// Berichtstabelle). The document names the list as its title, the program as
// author and creator and the data basis as subject. Written atomically; empty
// on success, otherwise what went wrong, in German.
QString listeAlsPdf(const QString& dateiname, const Strassenliste& liste, const std::vector<int>& reihenfolge,
                    const QString& listenname, const QDateTime& jetzt);

} // namespace grobrechner
