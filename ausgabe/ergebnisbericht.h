#pragma once

#include "bericht.h"
#include "pfad.h"

#include <QDateTime>
#include <QString>

namespace grobrechner {

struct Pfadzustand;

// The report of a result screen or sheet (steps Kosten, Betrieb and
// Ergebnisblatt), drawn from what it shows (Blattinhalt), not from the window:
// A4 portrait; the title, the calculation's name, the date of `jetzt` and the
// data basis as the screen states it; the screen's tables with figures
// right-aligned beside their units and totals in bold, hidden rows left out;
// on the renovation sheet the chart of the cumulative costs with what it says
// in words. Every page ends with the note how far the figures go.
Bericht ergebnisbericht(const Pfadzustand& zustand, Schritt schritt, const QDateTime& jetzt);

// What the report's document says about itself: the sheet (after the
// calculation's name, where it has one) as its title, the program as author
// and creator, the sheet and its data basis as subject.
Dokumentangaben ergebnisangaben(const Pfadzustand& zustand, Schritt schritt, const QDateTime& jetzt);

// Writes the report as PDF/A-1b into the file, atomically; empty on success,
// otherwise what went wrong, in German.
QString ergebnisberichtSchreiben(const QString& dateiname, const Pfadzustand& zustand, Schritt schritt,
                                 const QDateTime& jetzt);

} // namespace grobrechner
