#pragma once

#include "pfad.h"
#include "pfadzustand.h"

#include <string>
#include <vector>

// What a result screen shows, as data: its title, the calculation's name, the
// data basis and its tables, row by row, each label with the name it is known
// by and its text. The screens lay these rows out; the CSV, the report and
// the printout read the same rows, so a row added here is everywhere at once.

namespace grobrechner {

// One label: its name (the objectName of the screen's label) and its text.
struct Feld {
    std::string name;
    std::string text;

    bool operator==(const Feld&) const = default;
};

// What one installation shows in a row: one label, or several side by side
// that read as one text, and the unit (none without a name).
struct Wert {
    std::vector<Feld> teile;
    Feld einheit;
    bool text = false; // a text in a figure's place (left-aligned, over figure and unit)

    bool operator==(const Wert&) const = default;
};

enum class Zeilenart {
    Ueberschrift, // a bold heading across the table: "Eingegebene Werte"
    Zahl,         // caption, figures right-aligned with their units
    Text,         // caption, a text over the figure and unit columns
    Anmerkung,    // a note across the table, below the row before it
};

struct Blattzeile {
    Zeilenart art = Zeilenart::Zahl;
    Feld beschriftung;       // the caption; of a heading or a note its label
    std::vector<Wert> werte; // one per installation the table shows
    Feld abweichung;         // at the end of the row, where a comparison has one
    bool betont = false;     // a total
    bool verborgen = false;  // stays on the screen, hidden, and off every export
    bool einzeilig = false;  // the text keeps to one line
    int abstandDavor = 0;    // room above the row, in pixels

    bool operator==(const Blattzeile&) const = default;
};

// One table. A comparison of the existing and the renovated installation has
// a head over each installation's column and one over the deviation, which
// stands right above the deviation it heads.
struct Blatttabelle {
    std::vector<Feld> koepfe;
    Feld abweichungskopf;
    std::vector<Blattzeile> zeilen;

    bool operator==(const Blatttabelle&) const = default;
};

struct Blattinhalt {
    std::string titel;
    std::string bezeichnung; // the calculation's name; empty: it has none
    std::string datenbasis;
    // One table; on the overall sheets two, the construction or renovation on
    // the left and the operating costs on the right.
    std::vector<Blatttabelle> tabellen;

    bool operator==(const Blattinhalt&) const = default;
};

// The content of a result step's screen (Kosten, Betrieb, Ergebnisblatt) from
// the path state; an input step has none.
Blattinhalt blattinhalt(const Pfadzustand& zustand, Schritt schritt);

// The lines of a result as a spreadsheet takes them: title, name (if any),
// data basis, then every visible row of the tables — caption, then each
// installation's figure and unit, then the deviation; a heading or note on its
// own; a comparison's heads on a row of their own where the table begins.
// Labels side by side read as one text, blank-separated.
std::vector<std::vector<std::string>> blattzeilen(const Blattinhalt& inhalt);

} // namespace grobrechner
