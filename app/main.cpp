#include "anwendung.h"
#include "befehlszeile.h"
#include "echtedienste.h"
#include "erstesbild.h"
#include "sprache.h"
#include "startmessung.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>

#include <cstdio>

namespace {

// The settings are kept under the first two names.
void namenSetzen()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Lumenstelle"));
    QCoreApplication::setApplicationName(QStringLiteral("Grobrechner"));
}

// A CSV, the help or the version: text only, without graphics.
int textAusgeben(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    namenSetzen();
    grobrechner::qtAufDeutsch();
    const auto aufruf = grobrechner::befehlszeileLesen(QCoreApplication::arguments(), true);
    if (const auto* code = std::get_if<int>(&aufruf))
        return *code;
    return grobrechner::stapelAusfuehren(std::get<grobrechner::Auftrag>(aufruf));
}

} // namespace

int main(int argc, char* argv[])
{
    if (grobrechner::ohneOberflaeche(argc, argv))
        return textAusgeben(argc, argv);
    // A PDF needs no screen either, so it also runs where there is none; and
    // where there is none, a command line that cannot be understood is still
    // answered.
    const bool bildschirm = grobrechner::bildschirmDa();
    if (grobrechner::ohneFenster(argc, argv) || !bildschirm)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    namenSetzen();
    QApplication::setApplicationDisplayName(QStringLiteral("Grobrechner für Straßenbeleuchtungsanlagen"));
    QApplication::setDesktopFileName(QStringLiteral("example.lumenstelle.Grobrechner"));
    grobrechner::qtAufDeutsch();
    // Without a single font every text would be an empty box, and no window
    // could say why; the terminal or the session log can.
    if (QFontDatabase::families().isEmpty())
        std::fputs("Grobrechner: Es ist keine Schrift installiert, deshalb bleiben alle Texte leer. Bitte "
                   "installieren Sie eine Schrift, zum Beispiel das Paket fonts-dejavu-core.\n",
                   stderr);

    const auto aufruf = grobrechner::befehlszeileLesen(QCoreApplication::arguments(), bildschirm);
    const auto* gelesen = std::get_if<grobrechner::Auftrag>(&aufruf);
    if (!gelesen)
        return *std::get_if<int>(&aufruf);
    const grobrechner::Auftrag& auftrag = *gelesen;
    if (auftrag.art != grobrechner::Auftrag::Art::Fenster)
        return grobrechner::stapelAusfuehren(auftrag);

    grobrechner::Anwendung anwendung(grobrechner::echteDienste());
    grobrechner::Startmessung::beobachten(*anwendung.hauptmenue());
    // The icon loads Qt's SVG icon engine and reads its picture twice; no
    // window needs it for its first picture.
    grobrechner::nachDemErstenBild(
        [] { QApplication::setWindowIcon(QIcon(QStringLiteral(":/bilder/grobrechner.svg"))); });
    anwendung.hauptmenue()->show();
    if (!auftrag.datei.isEmpty())
        anwendung.oeffnen(auftrag.datei);
    return app.exec();
}
