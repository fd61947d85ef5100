#include "kostendiagramm.h"

#include "zahlentext.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace grobrechner {

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

// A step for the thousands axis that gives at most six divisions: 1, 2 or 5
// times a power of ten.
double teilung(double hoechstwert)
{
    if (hoechstwert <= 0)
        return 1;
    const double grob = hoechstwert / 6;
    const double zehner = std::pow(10, std::floor(std::log10(grob)));
    for (double faktor : {1.0, 2.0, 5.0, 10.0})
        if (faktor * zehner >= grob)
            return faktor * zehner;
    return 10 * zehner;
}

// The cumulative cost at a year between two whole ones.
double wertBei(const std::array<double, wirtschaftsjahre + 1>& reihe, double jahr)
{
    const auto t = static_cast<std::size_t>(std::clamp(std::floor(jahr), 0.0, double(wirtschaftsjahre - 1)));
    return reihe[t] + (reihe[t + 1] - reihe[t]) * (jahr - double(t));
}

const QColor bestandFarbe(Qt::black);
const QColor saniertFarbe(QStringLiteral("#1f5fa8"));

} // namespace

void kostendiagrammZeichnen(QPainter& maler, const QRectF& rahmen, const Kostenverlauf& v, const QFont& schrift)
{
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setFont(schrift);
    const QFontMetricsF masse(schrift, maler.device());
    const double zeile = masse.height();

    // Thousands of euros, from 0 to a little above the larger total.
    double hoechst = 0;
    for (double w : v.bestand)
        hoechst = std::max(hoechst, w);
    for (double w : v.saniert)
        hoechst = std::max(hoechst, w);
    double tiefst = std::min(0.0, *std::min_element(v.saniert.begin(), v.saniert.end()));
    const double schritt = teilung((hoechst - tiefst) / 1000) * 1000;
    hoechst = std::ceil(hoechst / schritt) * schritt;
    tiefst = std::floor(tiefst / schritt) * schritt;
    if (hoechst <= tiefst)
        hoechst = tiefst + schritt;

    double breiteBeschriftung = masse.horizontalAdvance(QStringLiteral("Tsd. €"));
    for (double w = tiefst; w <= hoechst + schritt / 2; w += schritt)
        breiteBeschriftung = std::max(breiteBeschriftung, masse.horizontalAdvance(text(formatGanzzahl(w / 1000))));
    const QRectF flaeche = rahmen.adjusted(breiteBeschriftung + zeile * 0.6, zeile * 2.6, -zeile * 0.6, -zeile * 2.4);
    if (flaeche.width() <= 0 || flaeche.height() <= 0) {
        maler.restore();
        return;
    }
    const auto x = [&](double jahr) { return flaeche.left() + flaeche.width() * jahr / wirtschaftsjahre; };
    const auto y = [&](double euro) { return flaeche.bottom() - flaeche.height() * (euro - tiefst) / (hoechst - tiefst); };

    // The grid and the axes.
    QPen raster(QColor(190, 190, 190), 0, Qt::DotLine);
    QPen achse(Qt::black, 0);
    for (double w = tiefst; w <= hoechst + schritt / 2; w += schritt) {
        maler.setPen(w == 0 ? achse : raster);
        maler.drawLine(QPointF(flaeche.left(), y(w)), QPointF(flaeche.right(), y(w)));
        maler.setPen(achse);
        const QRectF feld(rahmen.left(), y(w) - zeile / 2, breiteBeschriftung, zeile);
        maler.drawText(feld, Qt::AlignRight | Qt::AlignVCenter, text(formatGanzzahl(w / 1000)));
    }
    maler.setPen(achse);
    maler.drawLine(flaeche.bottomLeft(), flaeche.topLeft());
    for (int jahr = 0; jahr <= wirtschaftsjahre; jahr += 5) {
        maler.drawLine(QPointF(x(jahr), flaeche.bottom()), QPointF(x(jahr), flaeche.bottom() + zeile * 0.25));
        maler.drawText(QRectF(x(jahr) - zeile * 2, flaeche.bottom() + zeile * 0.3, zeile * 4, zeile),
                       Qt::AlignHCenter | Qt::AlignTop, QString::number(jahr));
    }
    maler.drawText(QRectF(flaeche.left(), flaeche.bottom() + zeile * 1.3, flaeche.width(), zeile),
                   Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Jahre"));
    maler.drawText(QRectF(rahmen.left(), flaeche.top() - zeile * 1.5, breiteBeschriftung + zeile, zeile),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tsd. €"));

    // The two lines: the existing installation solid, the renovated one dashed.
    const auto linie = [&](const std::array<double, wirtschaftsjahre + 1>& reihe, const QColor& farbe,
                           Qt::PenStyle stil) {
        QPainterPath pfad(QPointF(x(0), y(reihe[0])));
        for (std::size_t t = 1; t < reihe.size(); ++t)
            pfad.lineTo(x(static_cast<double>(t)), y(reihe[t]));
        QPen stift(farbe, std::max(1.5, zeile / 8), stil);
        stift.setCapStyle(Qt::FlatCap);
        maler.setPen(stift);
        maler.setBrush(Qt::NoBrush);
        maler.drawPath(pfad);
        return stift;
    };
    const QPen bestand = linie(v.bestand, bestandFarbe, Qt::SolidLine);
    const QPen saniert = linie(v.saniert, saniertFarbe, Qt::DashLine);

    // The legend above the chart.
    double links = flaeche.left();
    const double mitte = rahmen.top() + zeile * 0.6;
    for (const auto& [stift, name] : {std::pair{bestand, QStringLiteral("Bestand")},
                                      std::pair{saniert, QStringLiteral("nach Sanierung")}}) {
        maler.setPen(stift);
        maler.drawLine(QPointF(links, mitte), QPointF(links + zeile * 2, mitte));
        maler.setPen(achse);
        const QString beschriftung = name;
        maler.drawText(QRectF(links + zeile * 2.4, mitte - zeile / 2, masse.horizontalAdvance(beschriftung) + 2, zeile),
                       Qt::AlignLeft | Qt::AlignVCenter, beschriftung);
        links += zeile * 3.4 + masse.horizontalAdvance(beschriftung);
    }

    // Where the renovation has paid for itself.
    if (v.schnittjahr) {
        const QPointF punkt(x(*v.schnittjahr), y(wertBei(v.bestand, *v.schnittjahr)));
        maler.setPen(QPen(Qt::black, std::max(1.0, zeile / 10)));
        maler.setBrush(Qt::white);
        maler.drawEllipse(punkt, zeile * 0.3, zeile * 0.3);
        const QString beschriftung =
            QStringLiteral("Amortisation nach %1 Jahren").arg(text(formatEineStelle(*v.schnittjahr)));
        const double breite = masse.horizontalAdvance(beschriftung) + 2;
        // Beside the point, inside the chart, above the lines.
        const double links = std::clamp(punkt.x() + zeile * 0.5, flaeche.left(), flaeche.right() - breite);
        const double oben = std::max(flaeche.top(), punkt.y() - zeile * 1.6);
        maler.drawText(QRectF(links, oben, breite, zeile), Qt::AlignLeft | Qt::AlignVCenter, beschriftung);
    }
    maler.restore();
}

QString kostendiagrammBeschreibung(const Kostenverlauf& v)
{
    const QString schnitt =
        v.schnittjahr ? QStringLiteral("Die Linien schneiden sich nach %1 Jahren.").arg(text(formatEineStelle(*v.schnittjahr)))
                      : QStringLiteral("Die Linien schneiden sich nicht innerhalb von 25 Jahren.");
    return QStringLiteral("Kumulierte Kosten über 25 Jahre: Bestand %1 €, nach Sanierung %2 €. %3")
        .arg(text(formatGanzzahl(v.bestand.back())), text(formatGanzzahl(v.saniert.back())), schnitt);
}

} // namespace grobrechner
