#pragma once

#include <QByteArray>
#include <QString>

namespace grobrechner {

// The contents of a file, or why it could not be read.
struct Dateiinhalt {
    QByteArray inhalt;
    QString fehler;      // empty when read; otherwise in German, ready for a message
    qint64 zuGross = -1; // the file's size when it is larger than allowed (then fehler says so too)
};

// Reads a whole regular file of at most `hoechstens` bytes. A folder, a named
// pipe, a device or a socket is refused at once: the file is opened without
// waiting and its kind checked on what was opened, so a pipe put in its place
// meanwhile cannot make the program wait for a writer that never comes.
Dateiinhalt dateiLesen(const QString& dateiname, qint64 hoechstens);

} // namespace grobrechner
