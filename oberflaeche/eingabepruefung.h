#pragma once

#include "eingabe.h"

#include <QString>

#include <optional>

class QLineEdit;
class QWidget;

namespace grobrechner {

class Formular;

// The message of a failed input check: an information box with an OK button,
// then the field is emptied (text fields only, when asked) and gets the focus.
// False when the screen was closed while the box was open: then it is left
// alone.
bool eingabeBemaengeln(Formular& formular, QWidget* feld, const QString& titel, const QString& text,
                       bool leeren = true);

// Reads the number typed into a field. When the text is not a number above the
// bound, the message is shown as above and nothing is returned.
std::optional<float> zahlPruefen(Formular& formular, QLineEdit* feld, Untergrenze grenze, const QString& titel,
                                 const QString& text);

} // namespace grobrechner
