#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace grobrechner {

// A text field for a short typed number: at most `laenge` characters, as wide
// as those and a little room at any font size, with the name a screen reader
// announces.
QLineEdit* zahlenfeld(const char* name, int laenge, const QString& beschreibung, QWidget* eltern);

} // namespace grobrechner
