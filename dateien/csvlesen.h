#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// A list of streets as a spreadsheet saves it "as CSV", turned into a table of
// texts: one street a line, the first non-empty line holding the column names.
// What the columns mean and whether their values pass is not decided here.
//
// - Encoding: UTF-8 with or without byte-order mark; bytes that are not UTF-8
//   are read as Windows-1252, what a German spreadsheet's plain "CSV" writes.
//   A file that is UTF-8 in one place and not in another (a byte-order mark,
//   or UTF-8 umlauts, beside bytes that are no UTF-8) is refused: read either
//   way, some of its text would come out garbled.
// - Separator: the first of ";", tab and "," that separates the header line
//   outside quotes, in that order; a header with none of them is one column
//   (and the separator ";").
// - Quotes as spreadsheets write them: a cell in double quotes may hold the
//   separator and line breaks, "" in it is one quote. A quote inside an
//   unquoted cell is an ordinary character; text after a closing quote belongs
//   to the cell too.
// - Lines end in CRLF, LF or a lone CR (Excel's "CSV (Macintosh)" ends its
//   lines so); inside quotes each of them stays part of the cell as written.
// - Blanks around an unquoted cell are dropped: a planner who types
//   "Ahornweg ; 1.250" means "Ahornweg" and "1.250". A quoted cell keeps its
//   text exactly, blanks included; blanks before its opening quote and after
//   its closing one are dropped as well. Column names lose their surrounding
//   blanks even in quotes.
// - Row numbers are those a spreadsheet shows: the header is row 1 when it is
//   the first line, a cell with a line break in it does not start a new row,
//   and an empty line (nothing but blanks and separators) is skipped yet
//   counted.
// - Empty names at the header's end are no columns (a spreadsheet writes one
//   separator for every column it has used anywhere). A shorter record is
//   padded with empty cells; a longer one is kept as it is, for its check to
//   name it.

namespace grobrechner {

// One record of the list: the row number a spreadsheet shows for it, and its cells.
struct Csvzeile {
    int zeile = 0;
    QStringList zellen;
};

struct Csvtabelle {
    QStringList kopf;             // the column names as written, without surrounding blanks
    std::vector<Csvzeile> zeilen; // every non-empty record after the header, in file order
    QChar trenner;                // ';', ',' or '\t', as the header line tells
    bool utf8 = true;             // false: the file was read as Windows-1252
};

// The table, or why the whole file is refused, in plain German words.
struct CsvGelesen {
    std::optional<Csvtabelle> tabelle;
    QString fehler;
};

// A file of more than hoechsteZeilen records after the header is refused.
CsvGelesen csvLesen(const QByteArray& inhalt, int hoechsteZeilen = 100000);

// The same for a list too long to keep as a table of texts: each record goes
// to `jeZeile` as soon as it is read, with the header, and the table keeps
// none. A file refused after some records were handed over (a quote never
// closed, one record too many) answers with its reason all the same.
using Zeilenempfang = std::function<void(const QStringList& kopf, Csvzeile&& zeile)>;
CsvGelesen csvLesen(const QByteArray& inhalt, int hoechsteZeilen, const Zeilenempfang& jeZeile);

// A column as the spreadsheet heads it, from 0: A … Z, AA, AB …
QString spaltenbuchstaben(qsizetype index);

} // namespace grobrechner
