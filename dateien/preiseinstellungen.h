#pragma once

#include "preise.h"

#include <QString>

namespace grobrechner::preiseinstellungen {

// The user's prices, kept with QSettings under the application's name. What
// was never stored, and a stored value that is no number or lies outside its
// bounds (a hand-edited file), reads as the program's own value; so does
// everything when something other than a regular file stands in the settings
// file's place (a pipe would make reading wait forever).
Preise lesen();

// Stores what differs from the program's own values and forgets the rest;
// empty on success, otherwise why the settings could not be written (German).
QString schreiben(const Preise& preise);

} // namespace grobrechner::preiseinstellungen
