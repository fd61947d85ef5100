#include "listenmodell.h"

#include "fensterlage.h"
#include "zahlentext.h"

#include <QCollator>
#include <QColor>
#include <QHeaderView>
#include <QLocale>
#include <QScrollBar>

#include <algorithm>
#include <optional>

namespace grobrechner {

void Listenmodell::setzen(std::shared_ptr<const Strassenliste> liste)
{
    beginResetModel();
    m_liste = std::move(liste);
    m_spalten = m_liste ? anzeigespalten(*m_liste) : std::vector<Listenspalte>();
    endResetModel();
}

const Listenzeile& Listenmodell::zeile(int row) const
{
    return m_liste->zeilen[static_cast<std::size_t>(m_liste->rangfolge[static_cast<std::size_t>(row)])];
}

int Listenmodell::rowCount(const QModelIndex& eltern) const
{
    return m_liste && !eltern.isValid() ? static_cast<int>(m_liste->zeilen.size()) : 0;
}

int Listenmodell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(m_spalten.size());
}

QVariant Listenmodell::data(const QModelIndex& index, int rolle) const
{
    if (!m_liste || !index.isValid())
        return {};
    const Listenzeile& z = zeile(index.row());
    const Listenspalte& s = m_spalten[static_cast<std::size_t>(index.column())];
    switch (rolle) {
    case Qt::DisplayRole:
        return zellentext(*m_liste, z, s);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(s.zahlen ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return z.berechnet() ? QVariant() : QVariant(QColor(0xfd, 0xe2, 0xe2));
    case Qt::ForegroundRole:
        return z.berechnet() ? QVariant() : QVariant(QColor(Qt::black));
    case Qt::ToolTipRole:
        return s.art == Listenspalte::Art::Status && !z.berechnet() ? QVariant(z.fehler) : QVariant();
    default:
        return {};
    }
}

QVariant Listenmodell::headerData(int section, Qt::Orientation richtung, int rolle) const
{
    if (rolle != Qt::DisplayRole || !m_liste)
        return {};
    if (richtung == Qt::Horizontal)
        return section < static_cast<int>(m_spalten.size()) ? m_spalten[static_cast<std::size_t>(section)].name
                                                             : QVariant();
    return section < rowCount() ? QVariant(zeile(section).zeile) : QVariant();
}

void Listensortierung::setSourceModel(QAbstractItemModel* quelle)
{
    QSortFilterProxyModel::setSourceModel(quelle);
    // The order worked out belongs to the rows it was worked out for.
    if (quelle)
        connect(quelle, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_rang.clear(); });
}

void Listensortierung::sort(int spalte, Qt::SortOrder ordnung)
{
    m_rang.clear();
    const QAbstractItemModel* quelle = sourceModel();
    if (spalte >= 0 && quelle) {
        // Numbers first by value, then texts by their collation key, then the empty cells.
        struct Schluessel {
            int art = 2;
            double zahl = 0;
            std::optional<QCollatorSortKey> text;
        };
        QCollator deutsch{QLocale(QLocale::German, QLocale::Germany)};
        deutsch.setNumericMode(true);
        deutsch.setCaseSensitivity(Qt::CaseInsensitive);
        const int n = quelle->rowCount();
        std::vector<Schluessel> schluessel(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            const QString text = quelle->index(i, spalte).data().toString();
            Schluessel& s = schluessel[static_cast<std::size_t>(i)];
            if (text.trimmed().isEmpty())
                continue;
            if (const std::optional<double> zahl = zahlAusText(text.toStdString())) {
                s.art = 0;
                s.zahl = *zahl;
            } else {
                s.art = 1;
                s.text = deutsch.sortKey(text);
            }
        }
        // The kinds keep their order; within a kind, the direction chosen.
        const int richtung = ordnung == Qt::AscendingOrder ? 1 : -1;
        const auto vergleich = [&](int a, int b) {
            const Schluessel& x = schluessel[static_cast<std::size_t>(a)];
            const Schluessel& y = schluessel[static_cast<std::size_t>(b)];
            if (x.art != y.art)
                return x.art < y.art ? -1 : 1;
            if (x.art == 0)
                return richtung * (x.zahl < y.zahl ? -1 : y.zahl < x.zahl ? 1 : 0);
            return x.art == 1 ? richtung * x.text->compare(*y.text) : 0;
        };
        std::vector<int> folge(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            folge[static_cast<std::size_t>(i)] = i;
        std::stable_sort(folge.begin(), folge.end(), [&](int a, int b) { return vergleich(a, b) < 0; });
        m_rang.assign(static_cast<std::size_t>(n), 0);
        int rang = 0;
        for (std::size_t k = 0; k < folge.size(); ++k) {
            if (k > 0 && vergleich(folge[k - 1], folge[k]) != 0)
                ++rang;
            m_rang[static_cast<std::size_t>(folge[k])] = rang;
        }
    }
    QSortFilterProxyModel::sort(spalte, ordnung);
}

bool Listensortierung::lessThan(const QModelIndex& links, const QModelIndex& rechts) const
{
    const auto l = static_cast<std::size_t>(links.row());
    const auto r = static_cast<std::size_t>(rechts.row());
    if (l >= m_rang.size() || r >= m_rang.size())
        return QSortFilterProxyModel::lessThan(links, rechts);
    // The ranks already rise in the order shown; a falling sort asks the other way round.
    return sortOrder() == Qt::AscendingOrder ? m_rang[l] < m_rang[r] : m_rang[r] < m_rang[l];
}

QSize Listentabelle::sizeHint() const
{
    const QSize basis = QTableView::sizeHint();
    const int breite = horizontalHeader()->length() + verticalHeader()->sizeHint().width()
                       + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    // Room beside the table for the window's margins.
    const int platz = hoechstens(QSize(breite + 48, basis.height()), *this).width() - 48;
    return {std::max(basis.width(), std::min(breite, platz)), basis.height()};
}

} // namespace grobrechner
