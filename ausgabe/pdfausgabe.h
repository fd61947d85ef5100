#pragma once

#include <QPageLayout>
#include <QString>

class QWidget;

namespace grobrechner {

// Writes the window as a one-page A4 PDF in the given orientation, the way
// the print routine puts it on paper — vector graphics with real, selectable
// text — with the footer line below it and `titel` as the document's title.
// Written atomically; empty on success, otherwise what went wrong, in German.
QString fensterAlsPdf(QWidget& fenster, const QString& dateiname, QPageLayout::Orientation ausrichtung,
                      const QString& fusszeile, const QString& titel);

} // namespace grobrechner
