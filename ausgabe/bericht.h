#pragma once

#include "berichtstabelle.h"
#include "pdfa.h"

#include <QFont>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <functional>
#include <variant>
#include <vector>

class QIODevice;
class QPainter;
class QRectF;

// A report: headings, paragraphs, tables and drawings that flow over A4 pages
// in one frame, written as PDF/A-1b with real, searchable text and vector
// graphics only. Every report of the program looks alike:
//
//   every page   header: the Lumenstelle word mark, the program's name, a rule
//                footer: a rule, the report's own footer line (a disclaimer)
//                        and "Seite X von Y"
//   first page   the title block: title, subtitle, lines of particulars
//   then         the blocks in the order they were added
//
// Setting takes two passes: the blocks are first cut into pieces that are
// never split (a paragraph, a table row, a drawing) and laid on pages, which
// gives the page count; then each page is drawn with its frame. Within the
// flow a heading goes with what follows it, a table's heading row with its
// next row, a note with the row before it, and a table that goes on over a
// page repeats its column heads at the top of the new page.
//
// The result sheets use it through ergebnisbericht.h; a list or register
// builds a Bericht in landscape with one Berichtstabelle (weights on its text
// columns, its totals `betont`, its name column repeated when the table is
// set in parts) and writes it the same way (listenpdf.h).

namespace grobrechner {

// The house style of reports. One family for every report, whichever desktop
// or command line writes it: the one the program's package depends on.
namespace berichtsstil {
inline const QString schriftart = QStringLiteral("DejaVu Sans");
inline constexpr double text = 9.5;         // points: paragraphs and tables
inline constexpr double klein = 9;          // notes, column heads, header, footer: the smallest text
inline constexpr double ueberschrift = 11;  // section headings
inline constexpr double untertitel = 12;
inline constexpr double titel = 16;
} // namespace berichtsstil

QFont berichtsschrift(double punkte, bool fett = false);

struct Berichtskopf {
    QString titel;       // large on the first page
    QString untertitel;  // bold below it; empty: none
    QStringList angaben; // plain lines below it: a date, a data basis
    QString fusszeile;   // at the foot of every page, beside its number
};

// Draws into `rahmen` with `schrift` as its text font.
using Zeichner = std::function<void(QPainter& maler, const QRectF& rahmen, const QFont& schrift)>;

class Bericht {
public:
    explicit Bericht(Berichtskopf kopf, QPageLayout::Orientation ausrichtung = QPageLayout::Portrait);

    // A section heading, kept on the page of what follows.
    void ueberschrift(const QString& text);
    void absatz(const QString& text);
    void tabelle(Berichtstabelle tabelle);
    // A drawing over the whole width, `hoehe` millimetres high, with what it
    // shows in words below it, on the same page.
    void zeichnung(double hoehe, Zeichner zeichnen, const QString& unterschrift = {});

    // The report as a PDF/A-1b into `ziel`; empty on success, otherwise
    // what went wrong, in German.
    QString schreiben(QIODevice& ziel, const Dokumentangaben& angaben) const;

    struct Ueberschrift {
        QString text;
    };
    struct Absatz {
        QString text;
    };
    struct Zeichnung {
        double hoehe;
        Zeichner zeichnen;
        QString unterschrift;
    };
    using Block = std::variant<Ueberschrift, Absatz, Berichtstabelle, Zeichnung>;

private:
    Berichtskopf m_kopf;
    QPageLayout::Orientation m_ausrichtung;
    std::vector<Block> m_bloecke;
};

} // namespace grobrechner
