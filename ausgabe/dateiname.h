#pragma once

#include <QString>

namespace grobrechner {

// A file name from the name of a calculation or a screen: without the
// characters that file systems refuse, with the extension appended.
QString dateinamenvorschlag(const QString& name, const QString& endung);

} // namespace grobrechner
