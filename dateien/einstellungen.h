#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace grobrechner {

// The user's settings of this program (prices, which notes to show), kept with
// QSettings under the application's name. Every setting is read and written
// through here.

// The settings, or null with the reason (German) when something other than a
// regular file stands in their place: QSettings would open a pipe and wait
// forever.
std::unique_ptr<QSettings> einstellungenOeffnen(QString& fehler);

// Writes what was set to the disk: empty on success, otherwise why not (German).
QString einstellungenSichern(QSettings& einstellungen);

} // namespace grobrechner
