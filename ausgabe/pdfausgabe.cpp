#include "pdfausgabe.h"

#include "dateischreiben.h"
#include "druckauftrag.h"
#include "programm.h"

#include <QPainter>
#include <QPdfWriter>
#include <QWidget>

namespace grobrechner {

QString fensterAlsPdf(QWidget& fenster, const QString& dateiname, QPageLayout::Orientation ausrichtung,
                      const QString& fusszeile, const QString& titel)
{
    return dateiSchreiben(dateiname, [&](QIODevice& datei) -> QString {
        QPdfWriter pdf(&datei);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), ausrichtung, QMarginsF(12, 12, 12, 12),
                                      QPageLayout::Millimeter));
        pdf.setTitle(titel);
        pdf.setCreator(QString::fromUtf8(programmname.data(), programmname.size()));
        QPainter maler;
        if (!maler.begin(&pdf))
            return QStringLiteral("Das PDF ließ sich nicht anlegen.");
        const QRectF seite(QPointF(), pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
        QFont schrift = fenster.font();
        schrift.setPointSizeF(8);
        maler.setFont(schrift);
        const qreal fuss = maler.fontMetrics().height() * 2;
        fensterZeichnen(maler, fenster, seite.adjusted(0, 0, 0, -fuss));
        maler.drawText(seite.adjusted(0, seite.height() - fuss, 0, 0), Qt::AlignLeft | Qt::AlignBottom, fusszeile);
        return maler.end() ? QString() : QStringLiteral("Das PDF ließ sich nicht fertigstellen.");
    });
}

} // namespace grobrechner
