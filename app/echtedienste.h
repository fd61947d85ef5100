#pragma once

#include "dienste.h"

namespace grobrechner {

// The real world: QMessageBox, QFileDialog, the default printer, the system
// clock and QDesktopServices.
Dienste echteDienste();

} // namespace grobrechner
