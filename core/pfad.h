#pragma once

namespace grobrechner {

// The three calculation paths of the main menu.
enum class Pfad { Landesstrasse, Gemeindestrasse, Sanierung };
inline constexpr Pfad allePfade[] = {Pfad::Landesstrasse, Pfad::Gemeindestrasse, Pfad::Sanierung};

} // namespace grobrechner
