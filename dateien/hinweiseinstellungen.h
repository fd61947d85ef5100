#pragma once

#include "pfad.h"

#include <QString>

namespace grobrechner::hinweiseinstellungen {

// Whether the notes before a path still show. Each path keeps its own choice:
// besides what all paths share, each path's notes say what its calculation
// leaves out, and a user who turned off the state road's notes has not read
// the renovation's. Unreadable settings show the notes.
bool zeigen(Pfad pfad);

// The notes of this path no longer show; empty on success, otherwise why the
// settings could not be written (German).
QString ausblenden(Pfad pfad);

// The notes of every path show again; empty on success, otherwise why not.
QString wiederZeigen();

} // namespace grobrechner::hinweiseinstellungen
