#pragma once

#include "pfad.h"

#include <string_view>

namespace grobrechner {

// The screens of the paths by where they stand: the name each is known by
// (its objectName) and the title it shows, which its printout, PDF and CSV
// carry too.
struct Bildschirm {
    std::string_view name;
    std::string_view titel;
};

const Bildschirm& bildschirm(Pfad pfad, Schritt schritt);

} // namespace grobrechner
