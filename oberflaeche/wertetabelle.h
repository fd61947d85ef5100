#pragma once

#include <QList>
#include <QString>

#include <initializer_list>

class QGridLayout;
class QLabel;
class QWidget;

namespace grobrechner {

class Blattzeilen;

// The body of a result screen, laid out like a sheet: caption on the left,
// figure right-aligned in its own column, unit in the next. Section headings
// are bold, emphasised rows (totals) too. Every label it lays out is entered
// into the rows of its window (blattzeilen.h), which the exports read.
class Wertetabelle {
public:
    // Whose captions the rows carry: their own, or those of the table to their
    // left in the same grid. Two installations side by side share the row
    // captions; the rows of the right one hold figure and unit only.
    enum class Beschriftung { eigene, geteilt };

    // Lays the table out on `eltern`, starting in column `spalte` of its grid
    // (a result screen with two installations puts a second table beside it).
    // A table with shared captions puts its figures into column `spalte`.
    explicit Wertetabelle(QWidget* eltern);
    Wertetabelle(QGridLayout* raster, int spalte, Beschriftung beschriftung = Beschriftung::eigene);
    // A table fills one place of one grid; two of them would fill the same rows.
    Wertetabelle(const Wertetabelle&) = delete;
    Wertetabelle& operator=(const Wertetabelle&) = delete;

    // One row as data: caption, value label and unit. A row without a unit
    // name shows a text (left-aligned), one with a unit a figure.
    struct Zeile {
        const char* beschriftungName;
        const char* beschriftung;
        const char* wertName;
        const char* einheitName = nullptr;
        const char* einheit = nullptr;
        bool betont = false;
    };
    QLabel* zeile(const Zeile& zeile);

    QLabel* ueberschrift(const char* name, const QString& text);
    // A figure row; returns the value label. Without a unit name the row has no unit.
    QLabel* zahl(const char* beschriftungName, const QString& beschriftung, const char* wertName,
                 const char* einheitName = nullptr, const QString& einheit = {}, bool betont = false);
    // A row whose value is a text (left-aligned, over figure and unit column).
    QLabel* text(const char* beschriftungName, const QString& beschriftung, const char* wertName);
    // A text row whose value is made of several texts side by side.
    QList<QLabel*> texte(const char* beschriftungName, const QString& beschriftung,
                         std::initializer_list<const char*> wertNamen);
    // A bold heading over the figure and unit columns, e.g. the installation a column shows.
    QLabel* spaltenkopf(const char* name, const QString& text);
    void abstand(int hoehe = 10);
    // A short note on a row of its own below, across caption, figure and unit (it may wrap).
    QLabel* anmerkung(const char* name);
    // The next row goes into row `zeile` of the grid: a table with shared
    // captions puts its rows beside those of the table that carries them.
    void zeileSetzen(int zeile) { m_zeile = zeile; }

    QGridLayout* raster() const { return m_raster; }
    int zeilen() const { return m_zeile; }

private:
    QLabel* label(const char* name, const QString& text, bool fett);
    // The caption of a row, unless the table to the left carries it.
    QLabel* beschriftungSetzen(const char* name, const QString& text, bool fett);
    int wertspalte() const { return m_beschriftung == Beschriftung::eigene ? m_spalte + 1 : m_spalte; }

    // Enters a label at a column of the current row.
    void eintragen(int spalte, QLabel* label);

    QWidget* m_eltern;
    QGridLayout* m_raster;
    Blattzeilen* m_blattzeilen;
    int m_spalte = 0;
    Beschriftung m_beschriftung = Beschriftung::eigene;
    int m_zeile = 0;
};

} // namespace grobrechner
