#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace grobrechner {

// Writes a file atomically: `schreiben` fills a temporary file beside it,
// which takes the file's place only when everything has been written, so a
// failure, a full disk or a crash never leaves a half-written file where the
// old one stood. `schreiben` answers with an empty text, or with what kept it
// from producing the contents. The answer is empty on success and otherwise
// says in German what went wrong; the old file is then as it was.
QString dateiSchreiben(const QString& dateiname, const std::function<QString(QIODevice& datei)>& schreiben);

// Writes the bytes as one file, atomically as above.
QString dateiSchreiben(const QString& dateiname, const QByteArray& inhalt);

} // namespace grobrechner
