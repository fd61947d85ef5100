#pragma once

#include <string_view>

namespace grobrechner {

// The program's name, as window titles, documents and messages give it.
inline constexpr std::string_view programmname = "Grobrechner für Straßenbeleuchtungsanlagen";

} // namespace grobrechner
