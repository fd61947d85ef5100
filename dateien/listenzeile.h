#pragma once

#include "kalkulation.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// How one line of a street list becomes a calculation: its cells read as the
// input screens read their fields, with the values the screens open with
// where a cell is empty, and the rules the screens apply (see strassenliste.h
// for what a list may spell otherwise and what refuses a line).

namespace grobrechner {

// The column that names a line's path.
inline const QString pfadspalte = QStringLiteral("Pfad");

// The path a cell names ("Landesstraße", "gemeindestrasse"), and its name.
std::optional<Pfad> pfadInZelle(QStringView zelle);
QString pfadname(Pfad pfad);

// Where the columns stand: indices into the cells of a line, -1 for none.
struct Spaltenplan {
    int pfad = -1;
    std::vector<int> felder; // per Eingabefeld, in the order of alleEingabefelder()
};

// A line checked: its calculation at the result sheet, or the column that
// failed (as a list names it) and why, in German.
struct Zeilenbefund {
    std::optional<Pfad> pfad; // also when a later cell failed
    std::optional<Kalkulation> kalkulation;
    QString spalte;
    QString grund;
};

Zeilenbefund zeilePruefen(const Spaltenplan& plan, const std::vector<QStringView>& zellen);

} // namespace grobrechner
