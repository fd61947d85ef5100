#include "echtedienste.h"

#include "frminfo.h"

#include <QCoreApplication>
#include <QDesktopServices>

namespace grobrechner {

Dienste echteDienste()
{
    static QtMeldungen meldungen;
    static QtDateiwahl dateiwahl;
    Dienste d;
    d.meldungen = &meldungen;
    d.dateiwahl = &dateiwahl;
    d.neuerDruckauftrag = [] {
        return std::make_unique<QtDruckauftrag>(standarddrucker(QCoreApplication::applicationDirPath()));
    };
    d.jetzt = [] { return QDateTime::currentDateTime(); };
    // A browser that cannot be started is not worth a message.
    d.homepageOeffnen = [](const QUrl& adresse) { QDesktopServices::openUrl(adresse); };
    d.infoOeffnen = &infoOeffnen;
    return d;
}

} // namespace grobrechner
