#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace grobrechner {

// Writes a file atomically: `schreiben` fills the contents in memory; they go
// into a temporary file beside the target, which takes the target's place
// only when every byte has been written and the disk holds it. So a failure,
// a full disk or a crash never leaves a half-written file where the old one
// stood. `schreiben` answers with an empty text, or with what kept it from
// producing the contents.
//
// Only a regular file is replaced: a folder, a named pipe, a device or a
// socket in the target's place is refused before anything is written, so
// writing never waits on a pipe nor puts a file where a device was.
//
// The answer is empty on success and otherwise says in German what went
// wrong, naming the cause the system gave (a full disk, a missing right, a
// read-only medium, …); the old file is then as it was, byte for byte.
QString dateiSchreiben(const QString& dateiname, const std::function<QString(QIODevice& datei)>& schreiben);

// Writes the bytes as one file, atomically as above.
QString dateiSchreiben(const QString& dateiname, const QByteArray& inhalt);

// Whether two names lead to the same file, through links of either kind;
// false when either does not exist.
bool gleicheDatei(const QString& a, const QString& b);

} // namespace grobrechner
