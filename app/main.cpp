#include "anwendung.h"
#include "startmessung.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The price settings are kept under these two names.
    QApplication::setOrganizationName(QStringLiteral("Lumenstelle"));
    QApplication::setApplicationName(QStringLiteral("Grobrechner"));
    QApplication::setApplicationDisplayName(QStringLiteral("Grobrechner für Straßenbeleuchtungsanlagen"));
    QApplication::setDesktopFileName(QStringLiteral("example.lumenstelle.Grobrechner"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/bilder/grobrechner.svg")));

    grobrechner::Anwendung anwendung(grobrechner::Dienste::echt());
    grobrechner::Startmessung::beobachten(*anwendung.hauptmenue());
    anwendung.hauptmenue()->show();
    return app.exec();
}
