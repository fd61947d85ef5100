#include "anwendung.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

// For start-up measurements and the package test: with GROBRECHNER_STARTMESSUNG
// set, the program says so once the main menu's window is on the screen and ends.
class Startmessung : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Expose && !m_gemeldet) {
            m_gemeldet = true;
            QTimer::singleShot(0, qApp, [] {
                std::puts("Hauptmenü sichtbar");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_gemeldet = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Grobrechner"));
    QApplication::setApplicationDisplayName(QStringLiteral("Grobrechner für Straßenbeleuchtungsanlagen"));
    QApplication::setDesktopFileName(QStringLiteral("example.lumenstelle.Grobrechner"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/bilder/grobrechner.svg")));

    grobrechner::Anwendung anwendung(grobrechner::Dienste::echt());
    grobrechner::frmgrsbl* menue = anwendung.hauptmenue();
    if (qEnvironmentVariableIsSet("GROBRECHNER_STARTMESSUNG")) {
        menue->winId(); // creates the QWindow to watch
        menue->windowHandle()->installEventFilter(new Startmessung(&app));
    }
    menue->show();
    return app.exec();
}
