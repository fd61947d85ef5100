#pragma once

#include "pfadbildschirm.h"

#include <span>

namespace grobrechner {

// The fifteen path screens, by path and step; each row makes its screen.
std::span<const Pfadbildschirm> pfadbildschirme();
const Pfadbildschirm& pfadbildschirm(Pfad pfad, Schritt schritt);

} // namespace grobrechner
