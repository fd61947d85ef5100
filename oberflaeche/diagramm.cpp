#include "diagramm.h"

#include "kostendiagramm.h"

#include <QPainter>

namespace grobrechner {

Diagramm::Diagramm(const Kostenverlauf& verlauf, QWidget* eltern)
    : QWidget(eltern)
    , m_verlauf(verlauf)
{
    setObjectName(QStringLiteral("diagramm"));
    setAccessibleName(QStringLiteral("Kostendiagramm"));
    setAccessibleDescription(kostendiagrammBeschreibung(verlauf));
    setToolTip(accessibleDescription());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize Diagramm::sizeHint() const
{
    const int zeile = fontMetrics().height();
    return {zeile * 24, zeile * 13};
}

QSize Diagramm::minimumSizeHint() const
{
    const int zeile = fontMetrics().height();
    return {zeile * 12, zeile * 9};
}

void Diagramm::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    kostendiagrammZeichnen(maler, rect(), m_verlauf, font());
}

} // namespace grobrechner
