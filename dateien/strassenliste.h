#pragma once

#include "kalkulation.h"
#include "listenspalten.h"
#include "preise.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// A municipality's street register: one street a line of a CSV list (read by
// csvLesen), each line checked as the input screens check their inputs and
// computed to its result sheet, and the figures written back beside the
// planner's own columns.
//
// - Columns are found by their names, capitals and small letters alike, in any
//   order: "Bezeichnung", "Pfad" and the captions of the inputs
//   (eingabebeschriftung: "Straßenlänge", "Leuchtmittel des Bestands", …).
//   Every other column is the planner's own ("Ortsteil", "Baujahr") and is kept
//   as it was read. A column named like a result column ("Status",
//   "Investition €", …) holds the figures of an earlier run; they are computed
//   afresh, not kept twice.
// - "Bezeichnung" and "Pfad" must be there, and so must the columns of every
//   input that a path of the list needs and its screen opens without (the
//   lengths, the height, the spacing, the light points, the electricity price,
//   the existing wattage); otherwise the whole file is refused.
// - A cell left empty takes the value its screen shows as it opens: technical
//   luminaires, a new cabinet, masts not reused, the path's first lamp, a
//   twilight switch, no switch-off or dimming, 6 hours of switch-off,
//   mercury-vapour lamps in the existing installation. An input without such a
//   value must be given.
// - A cell is read as the input screens read their fields: numbers as German
//   numbers ("1.250", "12,5"), each within its field's length and bound or one
//   of the heights offered; a word regardless of capitals, blanks around it and
//   of "ae", "oe", "ue" and "ss" for "ä", "ö", "ü" and "ß" ("Landesstrasse",
//   "JA", "Daemmerungsschalter"); a lamp by its key regardless of capitals and
//   blanks ("LED 30 W", "led 30w"). The rules between inputs apply as on the
//   screens.
// - A value in a column the line's path has no use for (a street length on a
//   renovation, an existing wattage on a new street, a switch-off duration
//   without switch-off) refuses the line: it is either a slip or a path named
//   wrongly, and a figure computed without it would look as if it counted.
// - A line that fails is not computed and not dropped: its status names its
//   row as the spreadsheet numbers it, the column and why, in German:
//   "Zeile 14, Strompreis: fehlt".

namespace grobrechner {

// More lines than these after the header, or a larger file, are refused whole.
inline constexpr int hoechsteListenzeilen = 100000;
inline constexpr qint64 groessteListe = 50 * 1000 * 1000;

// The status of a line that was computed.
inline const QString berechnetText = QStringLiteral("berechnet");

// One line of the list.
struct Listenzeile {
    int zeile = 0;          // as the spreadsheet numbers it; the header line is 1 when it comes first
    std::optional<Pfad> pfad; // none when its path cell names none
    QString fehler;         // empty when computed; else "Zeile N, <Spalte>: <Grund>"
    // The input cells as read, then (when computed) the result cells, in
    // UTF-8, each ended by a zero byte, which no CSV text holds: one short
    // string a line keeps a long list small.
    QByteArray zellen;

    bool berechnet() const { return fehler.isEmpty(); }
    const QString& status() const { return berechnet() ? berechnetText : fehler; }
};

struct Strassenliste {
    QStringList kopf;                // the input columns, as named in the header
    std::vector<Listenzeile> zeilen; // in the list's order
    std::vector<int> rangfolge;      // indices into zeilen: the order the list is shown in first
    Listensumme summe;
    Berechnungsgrundlage grundlage;  // the basis every line was computed with
    int pfadspalte = -1;             // index into kopf
    std::vector<int> eingabespalten; // per Eingabefeld (alleEingabefelder order): index into kopf, or -1

    // Input cell `spalte` (index into kopf) and result cell `spalte` (index
    // into ergebnisspalten()); empty where the line has none.
    QString eingabe(const Listenzeile& zeile, qsizetype spalte) const;
    QString ergebnis(const Listenzeile& zeile, qsizetype spalte) const;
};

// Told now and then while the lines are computed; answering false stops.
using Fortschritt = std::function<bool(int fertig, int gesamt)>;

// The list, or why the whole file is refused (then fehler says so in German);
// neither when stopped.
struct ListeGelesen {
    std::optional<Strassenliste> liste;
    QString fehler;
};

ListeGelesen strassenlisteAusCsv(QByteArray inhalt, const Berechnungsgrundlage& grundlage,
                                 const Fortschritt& fortschritt = {});
// Reads the file first: a regular file of at most groessteListe bytes.
ListeGelesen strassenlisteLesen(const QString& dateiname, const Berechnungsgrundlage& grundlage,
                                const Fortschritt& fortschritt = {});

// The calculation of a computed line, as it was computed; nothing for a
// refused one.
std::optional<Kalkulation> kalkulationDerZeile(const Strassenliste& liste, const Listenzeile& zeile);

// A column as the list window and its printout show it: the name, the path
// and the planner's own columns, then the status and the results.
struct Listenspalte {
    enum class Art { Eingabe, Status, Ergebnis };
    Art art = Art::Eingabe;
    qsizetype index = 0; // into kopf or ergebnisspalten()
    QString name;
    bool zahlen = false; // results are figures, right-aligned
};
std::vector<Listenspalte> anzeigespalten(const Strassenliste& liste);
QString zellentext(const Strassenliste& liste, const Listenzeile& zeile, const Listenspalte& spalte);

// "3 Zeilen nicht berechnet – siehe Spalte Status"; empty when every line was computed.
QString fehlerzeile(const Listensumme& summe);

// The list as CSV for a spreadsheet: the input columns as read, then the
// status and the result columns, one line per line of the list in its order.
QByteArray listeAlsCsv(const Strassenliste& liste);
// Written as it is made, without a second copy of a long list's text.
QString listeSpeichern(const QString& dateiname, const Strassenliste& liste);

// A list to start from: the header with every column the program knows and
// one example line per path.
QByteArray listenvorlage();
QString vorlageSpeichern(const QString& dateiname);

} // namespace grobrechner
