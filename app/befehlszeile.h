#pragma once

#include <QString>
#include <QStringList>

#include <variant>

// The command line:
//   grobrechner [DATEI.grob]             opens the calculation, if given
//   grobrechner --pdf AUS.pdf DATEI.grob writes its result sheet as PDF and ends
//   grobrechner --csv AUS.csv DATEI.grob writes it as CSV and ends
//   grobrechner --liste LISTE.csv --csv AUS.csv   computes a street list and writes it as CSV
//   grobrechner --liste LISTE.csv --pdf AUS.pdf   … as PDF
//   grobrechner --vorlage VORLAGE.csv            writes a list to start from
//   grobrechner --help | --version
// Messages are German; the exit code is 2 for a command line that cannot be
// understood, 1 for a file that cannot be read or written, and 3 for a street
// list written with lines that could not be computed.

namespace grobrechner {

struct Auftrag {
    enum class Art { Fenster, Pdf, Csv, ListePdf, ListeCsv, Vorlage };
    Art art = Art::Fenster;
    QString datei;   // the calculation to open, or the street list; empty: none
    QString ausgabe; // the file to write, for all but Fenster
};

// Whether the arguments ask for no window at all (an export, the help, the
// version); such a run needs no screen. Looked at before the application
// exists, so only roughly: the parser decides.
bool ohneFenster(int argc, char* argv[]);

// Whether the arguments ask for nothing but text (a CSV, the help, the
// version): such a run needs no graphics at all, not even offscreen.
bool ohneOberflaeche(int argc, char* argv[]);

// Whether there is a screen to show windows on: a platform chosen with
// QT_QPA_PLATFORM, or an X11 or Wayland display.
bool bildschirmDa();

// Reads the arguments (with the program's name first). A task, or the exit
// code once the help, the version or an error has been printed — also when a
// window is asked for and there is no screen (`bildschirm`, as bildschirmDa
// said before the application was made).
std::variant<Auftrag, int> befehlszeileLesen(const QStringList& argumente, bool bildschirm);

// Writes the result sheet of the calculation in `auftrag.datei`, the computed
// street list or the list template into `auftrag.ausgabe` without showing a
// window. 0 when it is written, otherwise 1 with the reason on stderr; 3 when
// a street list is written with lines refused, each named on stderr.
int stapelAusfuehren(const Auftrag& auftrag);

} // namespace grobrechner
