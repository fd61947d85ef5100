#include "blattzeilen.h"

#include <QGridLayout>
#include <QLabel>

#include <algorithm>

namespace grobrechner {

Blattzeilen::Blattzeilen(QWidget* fenster)
    : QObject(fenster)
{
}

Blattzeilen* Blattzeilen::von(const QWidget* w)
{
    return w->window()->findChild<Blattzeilen*>(QString(), Qt::FindDirectChildrenOnly);
}

Blattzeilen::Zeile& Blattzeilen::zeile(const QGridLayout* raster, int nummer)
{
    const auto it = std::find_if(m_zeilen.begin(), m_zeilen.end(),
                                 [&](const Zeile& z) { return raster && z.raster == raster && z.nummer == nummer; });
    if (it != m_zeilen.end())
        return *it;
    m_zeilen.push_back({raster, nummer, {}});
    return m_zeilen.back();
}

void Blattzeilen::textzeile(QLabel* label) { zeile(nullptr, -1).zellen[0].append(label); }

void Blattzeilen::eintragen(const QGridLayout* raster, int nummer, int spalte, QLabel* label)
{
    zeile(raster, nummer).zellen[spalte].append(label);
}

void Blattzeilen::kopf(const QGridLayout* raster, int spalte, QLabel* label)
{
    zeile(raster, -1).zellen[spalte].append(label);
}

QList<QStringList> Blattzeilen::texte() const
{
    QList<QStringList> texte;
    for (const Zeile& z : m_zeilen) {
        QStringList zellen;
        for (const auto& [spalte, labels] : z.zellen) {
            QStringList teile;
            for (const QPointer<QLabel>& l : labels)
                if (l && l->isVisibleTo(l->window()))
                    teile << l->text();
            if (teile.isEmpty())
                continue;
            while (zellen.size() < spalte)
                zellen << QString();
            zellen << teile.join(QLatin1Char(' '));
        }
        if (!zellen.isEmpty())
            texte << zellen;
    }
    return texte;
}

} // namespace grobrechner
