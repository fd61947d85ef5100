#pragma once

#include <QList>
#include <QSize>
#include <QString>

namespace grobrechner {

// Makes the program run on the offscreen platform with screens of the given
// sizes, side by side from the left, each wholly available to windows (the
// platform's own screen is 800 × 800). Call it before the QApplication is
// created; the platform reads its configuration, written into `ordner`, when
// the application starts. False if the file cannot be written.
bool probebildschirmeEinrichten(const QList<QSize>& groessen, const QString& ordner);

} // namespace grobrechner
