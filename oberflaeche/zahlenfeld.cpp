#include "zahlenfeld.h"

#include <QLineEdit>

namespace grobrechner {

QLineEdit* zahlenfeld(const char* name, int laenge, const QString& beschreibung, QWidget* eltern)
{
    auto* feld = new QLineEdit(eltern);
    feld->setObjectName(QString::fromUtf8(name));
    feld->setMaxLength(laenge);
    feld->setAccessibleName(beschreibung);
    feld->setFixedWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("0")) * (laenge + 4));
    return feld;
}

} // namespace grobrechner
