#include "dienste.h"

#include "druckauftrag.h"

#include <QDesktopServices>
#include <QMessageBox>

namespace grobrechner {

void QtMeldungen::information(QWidget* eltern, const QString& titel, const QString& text)
{
    QMessageBox box(QMessageBox::Information, titel, text, QMessageBox::Ok, eltern);
    box.exec();
}

bool QtMeldungen::frage(QWidget* eltern, const QString& titel, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, titel, text, QMessageBox::Yes | QMessageBox::No, eltern);
    return box.exec() == QMessageBox::Yes;
}

Dienste Dienste::echt()
{
    static QtMeldungen meldungen;
    Dienste d;
    d.meldungen = &meldungen;
    d.neuerDruckauftrag = [] { return std::make_unique<QtDruckauftrag>(QPrinterInfo::defaultPrinter()); };
    d.jetzt = [] { return QDateTime::currentDateTime(); };
    // A browser that cannot be started is not worth a message.
    d.homepageOeffnen = [](const QUrl& adresse) { QDesktopServices::openUrl(adresse); };
    return d;
}

} // namespace grobrechner
