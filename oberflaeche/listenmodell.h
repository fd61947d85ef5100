#pragma once

#include "strassenliste.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QTableView>

#include <memory>
#include <vector>

namespace grobrechner {

// A computed street list as a table: one row per line, first in the order the
// list is shown in first (rangfolge), the columns of anzeigespalten. The
// vertical head shows each line's row in the spreadsheet; a refused line is
// tinted, its status in full as a tooltip.
class Listenmodell : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setzen(std::shared_ptr<const Strassenliste> liste);
    const Strassenliste* liste() const { return m_liste.get(); }
    // The line behind a row of this model.
    const Listenzeile& zeile(int row) const;
    const std::vector<Listenspalte>& spalten() const { return m_spalten; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

private:
    std::shared_ptr<const Strassenliste> m_liste;
    std::vector<Listenspalte> m_spalten;
};

// Sorts by any column as a reader expects: figures by their value, texts in
// German order (capitals and umlauts alike, "Weg 2" before "Weg 10"). Figures
// come first, then texts, then empty cells, in either direction: words in a
// figure's place ("keine Amortisation innerhalb von 25 Jahren", "–") stand
// after every figure, and the lines a column has nothing for (a new street
// has no payback) after those, whether the figures rise or fall. The order of
// a column is worked out once as it is chosen, so a long list sorts at once.
class Listensortierung : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setSourceModel(QAbstractItemModel* quelle) override;
    void sort(int spalte, Qt::SortOrder ordnung = Qt::AscendingOrder) override;

protected:
    bool lessThan(const QModelIndex& links, const QModelIndex& rechts) const override;

private:
    std::vector<int> m_rang; // per source row, for the column sorted by, rising in the order shown
};

// The table of the list window: as wide as its columns ask, as far as the
// screen goes, so that the window's frame gives it the room.
class Listentabelle : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;
    QSize sizeHint() const override;
};

} // namespace grobrechner
