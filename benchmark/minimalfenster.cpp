// The smallest Qt Widgets program that shows a window, as a yardstick for the
// start-up time and memory of the Grobrechner; it reports its window the same way.
#include "startmessung.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.resize(960, 600);
    grobrechner::Startmessung::beobachten(fenster);
    fenster.show();
    return app.exec();
}
