#pragma once

#include <QPagedPaintDevice>
#include <QString>

#include <memory>

namespace grobrechner {

// A printer as the printing module hands it out: the device a job paints on
// and what the job's end needs to know of it.
struct Drucker {
    std::unique_ptr<QPagedPaintDevice> geraet; // null when no printer is set up
    QString name;                             // the printer's own name
    QString datei;                            // the file it prints into, if it does
    int aufloesung = 0;                       // dots per inch of the device
    bool ueberCups = false;                   // the job goes to CUPS
    QString fehler;                           // why the module could not be loaded
};

} // namespace grobrechner

// The module's one entry, looked up by its name: fills `drucker` with the
// system's default printer, or leaves its device null when none is set up.
extern "C" Q_DECL_EXPORT void grobrechner_standarddrucker(grobrechner::Drucker& drucker);
