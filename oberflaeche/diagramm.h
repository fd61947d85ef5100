#pragma once

#include "wirtschaftlichkeit.h"

#include <QWidget>

namespace grobrechner {

// The renovation sheet's chart (objectName "diagramm"): the cumulative costs
// of the existing and the renovated installation over 25 years, drawn anew at
// whatever size the window gives it, and described in words for a screen
// reader.
class Diagramm : public QWidget {
    Q_OBJECT
public:
    Diagramm(const Kostenverlauf& verlauf, QWidget* eltern);

    const Kostenverlauf& verlauf() const { return m_verlauf; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    Kostenverlauf m_verlauf;
};

} // namespace grobrechner
