#pragma once

#include "drucker.h"

#include <QPageLayout>
#include <QPainter>

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

// The system's default printer, from the printing module: Qt's print support
// comes with it, loaded for the first printout rather than at every start.
// The module is looked for once, beside the program, then where it is
// installed; without it, `fehler` says why.
Drucker standarddrucker(const QString& programmordner);

// A print job on a printer: the window is rendered as vector graphics into
// the page, scaled to fit and keeping its proportions.
class QtDruckauftrag final : public Druckauftrag {
public:
    explicit QtDruckauftrag(Drucker drucker);

    QString ausrichtungSetzen(QPageLayout::Orientation ausrichtung) override;
    QString fensterDrucken(QWidget& fenster) override;
    QString abschliessen() override;

private:
    // Without a device: no printer is set up, or the module is missing.
    QString ohneGeraet() const;

    Drucker m_drucker;
    QPainter m_maler;
};

} // namespace grobrechner
