#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <string>
#include <utility>
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

// The same text made row by row, for a list too long to hold its rows twice.
// The first `wieGelesen` cells of every row are written as they were read from
// another file: a number keeps its groups ("1.250" stays as the planner typed
// it); quotes and the apostrophe before a formula still apply.
class Csvtext {
public:
    explicit Csvtext(qsizetype wieGelesen = 0);
    void zeile(QStringList zellen);
    // The text so far, with its byte-order mark in front of the first piece.
    const QByteArray& utf8() const { return m_text; }
    // The text so far, which then starts afresh.
    QByteArray abholen() { return std::exchange(m_text, QByteArray()); }

private:
    QByteArray m_text;
    qsizetype m_wieGelesen;
};

} // namespace grobrechner
