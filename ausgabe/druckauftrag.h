#pragma once

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

namespace grobrechner {

// One print job. Each step answers with an empty text on success and with a
// German description of what went wrong otherwise.
class Druckauftrag {
public:
    virtual ~Druckauftrag() = default;
    virtual QString ausrichtungSetzen(QPageLayout::Orientation ausrichtung) = 0;
    virtual QString fensterDrucken(QWidget& fenster) = 0;
    virtual QString abschliessen() = 0;
};

// Draws the window into `ziel` (in the painter's device coordinates), scaled to
// fit and keeping its proportions, as vector graphics with real text.
void fensterZeichnen(QPainter& maler, QWidget& fenster, const QRectF& ziel);

// Whether the calls that learn if CUPS took a job are at hand (libcups 2 is
// installed wherever Qt prints through CUPS).
bool cupsZurHand();

// A print job on a QPrinter: the window is rendered as vector graphics into
// the page, scaled to fit and keeping its proportions.
class QtDruckauftrag final : public Druckauftrag {
public:
    // The system's default printer; a null QPrinterInfo means none is set up.
    explicit QtDruckauftrag(const QPrinterInfo& drucker);

    QString ausrichtungSetzen(QPageLayout::Orientation ausrichtung) override;
    QString fensterDrucken(QWidget& fenster) override;
    QString abschliessen() override;

private:
    std::unique_ptr<QPrinter> m_drucker; // null when no printer is set up
    QPainter m_maler;
};

} // namespace grobrechner
