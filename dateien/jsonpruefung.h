#pragma once

#include <QByteArray>
#include <QString>

namespace grobrechner {

// Whether a text is JSON exactly as JSON is written (RFC 8259), stricter than
// Qt's reader, which lets the last of two equal keys win, reads "1000." as a
// number and turns a lone surrogate into "?": a file that says one thing to
// us must not say another to the next program.
struct Jsonbefund {
    bool gut = true;
    bool abgebrochen = false; // the text ends inside a value: cut off, not wrong
    qsizetype stelle = 0;     // byte offset of the problem
    QString was;              // what is wrong, to follow "In Zeile N": "fehlt ein Komma"
};

// Checks UTF-8 bytes (without a byte-order mark) holding one JSON value.
// Objects and lists nest at most 64 deep.
Jsonbefund jsonPruefen(const QByteArray& text);

} // namespace grobrechner
