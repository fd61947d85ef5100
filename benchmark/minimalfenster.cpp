// The smallest Qt Widgets program that shows a window, as a yardstick for the
// start-up time and memory of the Grobrechner; it reports its window the same
// way. With "--mit-text" the window shows a line of text and a button, so
// that it loads the font database as every window with text must.
#include "startmessung.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget fenster;
    if (argc > 1 && std::strcmp(argv[1], "--mit-text") == 0) {
        auto* spalte = new QVBoxLayout(&fenster);
        spalte->addWidget(new QLabel(QStringLiteral("Grobrechner für Straßenbeleuchtungsanlagen")));
        spalte->addWidget(new QPushButton(QStringLiteral("Beenden")));
    }
    fenster.resize(960, 600);
    grobrechner::Startmessung::beobachten(fenster);
    fenster.show();
    return app.exec();
}
