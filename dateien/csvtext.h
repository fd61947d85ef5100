#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <string>
#include <vector>

namespace grobrechner {

// Rows of cells as a CSV file that a spreadsheet with German settings opens
// with umlauts and with numbers as numbers: UTF-8 with a byte-order mark, ";"
// between the cells, CRLF after each row, empty cells at a row's end left out.
// A cell that is a German number loses its group separators ("1.234" gives
// 1234, "0,5" stays); a cell with ";", a quote or a line break is quoted; a
// text that a spreadsheet would run as a formula (=, +, -, @ in front) gets a
// leading apostrophe.
QByteArray csvText(const QList<QStringList>& zeilen);
// The same from the core's rows (UTF-8 texts).
QByteArray csvText(const std::vector<std::vector<std::string>>& zeilen);
// The same, but the first `wieGelesen` cells of every row are written as they
// were read from another file: a number keeps its groups ("1.250" stays as the
// planner typed it); quotes and the apostrophe before a formula still apply.
QByteArray csvText(const QList<QStringList>& zeilen, qsizetype wieGelesen);

} // namespace grobrechner
