#pragma once

#include "wirtschaftlichkeit.h"

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace grobrechner {

// The cumulative costs of the existing and the renovated installation over
// years 0 to 25 as a line chart: years along, thousands of euros up, a legend,
// and the point where the lines cross marked and labelled with its year. The
// lines differ in their style, not only their colour, so that a black and
// white printout keeps them apart. Drawn as vector graphics into `rahmen`, on
// a screen, on paper or into a PDF alike.
void kostendiagrammZeichnen(QPainter& maler, const QRectF& rahmen, const Kostenverlauf& verlauf, const QFont& schrift);

// What the chart says, in words, for a screen reader and a report:
// where the lines cross and both totals after 25 years.
QString kostendiagrammBeschreibung(const Kostenverlauf& verlauf);

} // namespace grobrechner
