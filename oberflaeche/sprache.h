#pragma once

namespace grobrechner {

// Loads Qt's own German translation (the Debian package qt6-translations-l10n)
// for the texts Qt brings along: the context menu of a text field, the
// buttons of its dialogs. German under every locale, since the program is
// German throughout. False when it is not installed; the message boxes label
// their buttons themselves, so the program stays German without it.
bool qtAufDeutsch();

} // namespace grobrechner
