#pragma once

#include <functional>

namespace grobrechner {

// Runs `danach` once, as soon as the program's first window has been painted
// (the main menu, or the screen of a file opened with the program): what the
// first picture does not show need not hold it up.
void nachDemErstenBild(std::function<void()> danach);

} // namespace grobrechner
