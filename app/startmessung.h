#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace grobrechner {

// For start-up measurements and the package test: with GROBRECHNER_STARTMESSUNG
// set, a program says "Hauptmenü sichtbar" once its first window is on the
// screen, and ends. The program and the minimal window it is measured against
// use the same signal.
class Startmessung : public QObject {
public:
    static void beobachten(QWidget& fenster)
    {
        if (!qEnvironmentVariableIsSet("GROBRECHNER_STARTMESSUNG"))
            return;
        fenster.winId(); // creates the QWindow to watch
        fenster.windowHandle()->installEventFilter(new Startmessung(QCoreApplication::instance()));
    }

protected:
    bool eventFilter(QObject*, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Expose && !m_gemeldet) {
            m_gemeldet = true;
            QTimer::singleShot(0, QCoreApplication::instance(), [] {
                std::puts("Hauptmenü sichtbar");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    using QObject::QObject;
    bool m_gemeldet = false;
};

} // namespace grobrechner
