#include "anwendung.h"
#include "sprache.h"
#include "startmessung.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The price settings are kept under these two names.
    QApplication::setOrganizationName(QStringLiteral("Lumenstelle"));
    QApplication::setApplicationName(QStringLiteral("Grobrechner"));
    QApplication::setApplicationDisplayName(QStringLiteral("Grobrechner für Straßenbeleuchtungsanlagen"));
    QApplication::setDesktopFileName(QStringLiteral("example.lumenstelle.Grobrechner"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/bilder/grobrechner.svg")));
    grobrechner::qtAufDeutsch();
    // Without a single font every text would be an empty box, and no window
    // could say why; the terminal or the session log can.
    if (QFontDatabase::families().isEmpty())
        std::fputs("Grobrechner: Es ist keine Schrift installiert, deshalb bleiben alle Texte leer. Bitte "
                   "installieren Sie eine Schrift, zum Beispiel das Paket fonts-dejavu-core.\n",
                   stderr);

    grobrechner::Anwendung anwendung(grobrechner::Dienste::echt());
    grobrechner::Startmessung::beobachten(*anwendung.hauptmenue());
    anwendung.hauptmenue()->show();
    return app.exec();
}
