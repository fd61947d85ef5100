#include "knopfreihe.h"

#include <QWidget>

#include <algorithm>

namespace grobrechner {

Knopfreihe::Knopfreihe(int abstand)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(abstand);
}

Knopfreihe::~Knopfreihe()
{
    qDeleteAll(m_elemente);
}

void Knopfreihe::addItem(QLayoutItem* element)
{
    m_elemente.append(element);
    invalidate(); // the layouts around it measure again
}

int Knopfreihe::count() const { return static_cast<int>(m_elemente.size()); }

QLayoutItem* Knopfreihe::itemAt(int index) const { return m_elemente.value(index); }

QLayoutItem* Knopfreihe::takeAt(int index)
{
    return index >= 0 && index < m_elemente.size() ? m_elemente.takeAt(index) : nullptr;
}

Qt::Orientations Knopfreihe::expandingDirections() const { return {}; }

bool Knopfreihe::hasHeightForWidth() const { return true; }

int Knopfreihe::heightForWidth(int breite) const { return anordnen(QRect(0, 0, breite, 0), false); }

QSize Knopfreihe::sizeHint() const
{
    // All in one row.
    QSize groesse(0, 0);
    for (const QLayoutItem* e : m_elemente) {
        if (e->isEmpty())
            continue;
        const QSize g = e->sizeHint();
        groesse.rwidth() += (groesse.width() > 0 ? spacing() : 0) + g.width();
        groesse.setHeight(std::max(groesse.height(), g.height()));
    }
    const QMargins rand = contentsMargins();
    return groesse.grownBy(rand);
}

QSize Knopfreihe::minimumSize() const
{
    // As narrow as the widest button, one button per row.
    int breite = 0;
    for (const QLayoutItem* e : m_elemente)
        if (!e->isEmpty())
            breite = std::max(breite, e->sizeHint().width());
    breite += contentsMargins().left() + contentsMargins().right();
    return {breite, heightForWidth(breite)};
}

void Knopfreihe::setGeometry(const QRect& bereich)
{
    QLayout::setGeometry(bereich);
    anordnen(bereich, true);
}

int Knopfreihe::anordnen(const QRect& bereich, bool setzen) const
{
    const QRect innen = bereich.marginsRemoved(contentsMargins());
    const int abstand = spacing();
    struct Zeile {
        QList<QLayoutItem*> elemente;
        int breite = 0;
        int hoehe = 0;
    };
    QList<Zeile> zeilen;
    for (QLayoutItem* e : m_elemente) {
        if (e->isEmpty()) // a hidden button takes no place, unless it keeps it while hidden
            continue;
        const QSize g = e->sizeHint();
        if (zeilen.isEmpty()
            || (!zeilen.back().elemente.isEmpty() && zeilen.back().breite + abstand + g.width() > innen.width()))
            zeilen.append(Zeile{});
        Zeile& z = zeilen.back();
        z.breite += (z.elemente.isEmpty() ? 0 : abstand) + g.width();
        z.hoehe = std::max(z.hoehe, g.height());
        z.elemente.append(e);
    }
    int hoehe = 0;
    for (const Zeile& z : zeilen)
        hoehe += (hoehe > 0 ? abstand : 0) + z.hoehe;

    if (setzen) {
        // Rows at the right, the block of rows centred in the height it is given.
        int y = innen.top() + std::max(0, (innen.height() - hoehe) / 2);
        for (const Zeile& z : zeilen) {
            int x = std::max(innen.left(), innen.right() + 1 - z.breite);
            for (QLayoutItem* e : z.elemente) {
                const QSize g = e->sizeHint();
                e->setGeometry(QRect(QPoint(x, y + (z.hoehe - g.height()) / 2), g));
                x += g.width() + abstand;
            }
            y += z.hoehe + abstand;
        }
    }
    return hoehe + contentsMargins().top() + contentsMargins().bottom();
}

} // namespace grobrechner
