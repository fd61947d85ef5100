#include "bildschirmfolge.h"

#include <QHash>

namespace grobrechner {

Pfadformular* bildschirmErzeugen(const QString& name, Umgebung& umgebung)
{
    using Erzeuger = Pfadformular* (*)(Umgebung&);
    // One line per screen that has a class of its own.
    static const QHash<QString, Erzeuger> eigene = {};
    if (const Erzeuger e = eigene.value(name))
        return e(umgebung);
    return new Pfadformular(name, umgebung);
}

} // namespace grobrechner
