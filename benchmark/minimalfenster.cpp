// The smallest Qt Widgets program that shows a window, as a yardstick for the
// start-up time and memory of the Grobrechner. Like the Grobrechner, with
// GROBRECHNER_STARTMESSUNG set it says when its window is on the screen and ends.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace {
class Sichtbar : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Expose && !m_gemeldet) {
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
    QWidget fenster;
    fenster.resize(960, 600);
    if (qEnvironmentVariableIsSet("GROBRECHNER_STARTMESSUNG")) {
        fenster.winId();
        fenster.windowHandle()->installEventFilter(new Sichtbar(&app));
    }
    fenster.show();
    return app.exec();
}
