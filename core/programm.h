#pragma once

#include <string_view>

namespace grobrechner {

// The program's name, as window titles, documents and messages give it.
inline constexpr std::string_view programmname = "Grobrechner für Straßenbeleuchtungsanlagen";

// How far the figures go, as the notes before each path say it; every page of
// a report ends with it.
inline constexpr std::string_view anhaltspunkt = "Alle Ergebnisse dienen lediglich als Anhaltspunkt und müssen vor "
                                                 "einer Umsetzung einer detaillierten Planung unterzogen werden.";

} // namespace grobrechner
