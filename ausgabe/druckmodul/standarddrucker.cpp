// The printing module: all the program needs of Qt's print support, in a
// library of its own that the program loads for its first printout.
#include "drucker.h"

#include <QPrinter>
#include <QPrinterInfo>

void grobrechner_standarddrucker(grobrechner::Drucker& drucker)
{
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (standard.isNull())
        return;
    auto geraet = std::make_unique<QPrinter>(standard, QPrinter::HighResolution);
    drucker.name = geraet->printerName();
    drucker.datei = geraet->outputFileName();
    drucker.aufloesung = geraet->resolution();
    // Qt hands a job for a printer of the system to CUPS.
    drucker.ueberCups = geraet->outputFormat() == QPrinter::NativeFormat && drucker.datei.isEmpty();
    drucker.geraet = std::move(geraet);
}
