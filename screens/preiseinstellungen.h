#pragma once

#include "preise.h"

namespace grobrechner::preiseinstellungen {

// The user's prices, kept with QSettings under the application's name. What
// was never stored, and a stored value that is no number or lies outside its
// bounds (a hand-edited file), reads as the program's own value.
Preise lesen();

// Stores what differs from the program's own values and forgets the rest;
// false when the settings could not be written.
bool schreiben(const Preise& preise);

} // namespace grobrechner::preiseinstellungen
