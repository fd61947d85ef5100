#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <map>
#include <vector>

class QGridLayout;
class QLabel;
class QWidget;

namespace grobrechner {

// What a result screen or sheet shows, row by row, as an export reads it: the
// lines above its tables (title, name of the calculation) and each row of its
// tables — caption, then figure, unit or text by the column they stand in.
// The tables enter their labels here as they lay them out (Wertetabelle), so
// every row a table gets is in the export too, and no caption is written
// twice. One per window; the tables find it through the window they stand in.
class Blattzeilen : public QObject {
    Q_OBJECT
public:
    explicit Blattzeilen(QWidget* fenster);

    // The rows of the window `w` stands in; null for a window without them.
    static Blattzeilen* von(const QWidget* w);

    // A line of its own, above the tables.
    void textzeile(QLabel* label);
    // A label in row `nummer`, column `spalte` of a table's grid. Labels in the
    // same cell read as one text, blank-separated.
    void eintragen(const QGridLayout* raster, int nummer, int spalte, QLabel* label);
    // A column heading: the headings of one grid form one row of their own,
    // where the first of them was entered, wherever they stand on the screen
    // ("Abweichung" stands further down, above the deviation).
    void kopf(const QGridLayout* raster, int spalte, QLabel* label);

    // The visible rows as texts, one cell per column up to the last filled
    // one; hidden labels and rows are left out.
    QList<QStringList> texte() const;

private:
    struct Zeile {
        const QGridLayout* raster = nullptr;
        int nummer = -1; // row of the grid; -1 for the headings' row and for lines of their own
        std::map<int, QList<QPointer<QLabel>>> zellen;
    };
    Zeile& zeile(const QGridLayout* raster, int nummer);

    std::vector<Zeile> m_zeilen;
};

} // namespace grobrechner
