#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QWidget;

namespace grobrechner {

// The body of a result screen, laid out like a sheet: caption on the left,
// figure right-aligned in its own column, unit in the next. Section headings
// are bold, emphasised rows (totals) too.
class Wertetabelle {
public:
    // Lays the table out on `eltern`, starting in column `spalte` of its grid
    // (a result screen with two installations puts a second table beside it).
    explicit Wertetabelle(QWidget* eltern);
    Wertetabelle(QGridLayout* raster, int spalte);

    QLabel* ueberschrift(const char* name, const QString& text);
    // A figure row; returns the value label. Without a unit name the row has no unit.
    QLabel* zahl(const char* beschriftungName, const QString& beschriftung, const char* wertName,
                 const char* einheitName = nullptr, const QString& einheit = {}, bool betont = false);
    // A row whose value is a text (left-aligned, over figure and unit column).
    QLabel* text(const char* beschriftungName, const QString& beschriftung, const char* wertName);
    void abstand(int hoehe = 10);

    QGridLayout* raster() const { return m_raster; }
    int zeilen() const { return m_zeile; }

private:
    QLabel* label(const char* name, const QString& text, bool fett);

    QWidget* m_eltern;
    QGridLayout* m_raster;
    int m_spalte = 0;
    int m_zeile = 0;
};

} // namespace grobrechner
