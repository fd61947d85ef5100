#pragma once

#include <QString>
#include <Qt>

#include <cstddef>
#include <optional>
#include <vector>

// A table of a report, as data: columns, the heads above them and rows. A
// Bericht sets it on its pages (bericht.h): it never splits a row, keeps a
// heading row with the row after it and a note with the row before it, and
// repeats the heads at the top of every page the table continues on.

namespace grobrechner {

struct Berichtsspalte {
    Qt::Alignment ausrichtung = Qt::AlignLeft; // figures: Qt::AlignRight
    // Zero: the column is as wide as its widest text, which stays on one line
    // (figures, units). Above zero: the columns of this kind share the width
    // the others leave, by their weights, and their texts wrap (captions).
    double gewicht = 0;
    // At least this wide, in millimetres: tables one below the other line up
    // their figures when their columns say the same.
    double mindestbreite = 0;
};

struct Berichtszelle {
    QString text;
    int spalten = 1; // how many columns it spans, from where it stands
    // Its own alignment; none: that of the column it begins in.
    std::optional<Qt::Alignment> ausrichtung = std::nullopt;
};

struct Berichtszeile {
    enum class Art {
        Werte,       // cells side by side
        Ueberschrift, // a bold heading over the whole width, never the last row of a page
        Anmerkung,   // a note over the whole width, never the first row of a page
    };
    Art art = Art::Werte;
    std::vector<Berichtszelle> zellen; // a heading or a note: one
    bool betont = false;               // a total: bold, with a rule above it
    double abstandDavor = 0;           // in points; none at the top of a page

    static Berichtszeile ueberschrift(const QString& text, double abstandDavor = 0)
    {
        return {Art::Ueberschrift, {{text}}, false, abstandDavor};
    }
    static Berichtszeile anmerkung(const QString& text) { return {Art::Anmerkung, {{text}}, false, 0}; }
};

// A table whose columns, each at its narrowest (a figure on one line, a text
// as wide as its widest word), are wider than the page is set in parts, one
// after the other, as a spreadsheet prints a wide sheet: each part with as
// many columns as fit, the parts about as wide as each other, and the first
// `kennspalten` columns (what names a row) in front of every part. A row
// stands in every part with its cells over that part's columns, but a row of
// one cell over the whole table (a total) and the notes after it stand in the
// last part only, where the table ends.
struct Berichtstabelle {
    std::vector<Berichtsspalte> spalten;
    // The column heads, with their spans; none: the table has no head row.
    std::vector<Berichtszelle> koepfe;
    std::vector<Berichtszeile> zeilen;
    std::size_t kennspalten = 0;
};

} // namespace grobrechner
