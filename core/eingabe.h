#pragma once

#include <optional>
#include <string_view>

namespace grobrechner {

// The lower bound of a typed number.
enum class Untergrenze {
    UeberNull, // must be greater than 0
    AbNull,    // 0 itself passes
};

// A typed number as the input checks accept it: a German number text (see
// zahlentext.h) whose value lies above the bound. The bound is checked on the
// number the text stands for; the result is that number in single precision,
// as the record keeps it. Nothing when the text fails.
std::optional<float> eingabeLesen(std::string_view text, Untergrenze grenze);

} // namespace grobrechner
