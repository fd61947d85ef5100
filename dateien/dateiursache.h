#pragma once

#include <QString>

#include <sys/stat.h>

namespace grobrechner {

// Why the system refused to read or write a file, in German: for the error
// number of a failed call, e.g. "Der Datenträger ist voll."; empty for a
// number without a text of its own.
QString ursache(int fehlernummer);

// The same for the error text Qt keeps of a failed file operation (it is the
// system's text of the error number), falling back to that text itself.
QString ursacheAusText(const QString& systemtext);

// What a file that is not a regular one is, as a message says it: "ein
// Ordner", "eine benannte Pipe (FIFO)", …; empty for a regular file.
QString dateiart(mode_t modus);

} // namespace grobrechner
