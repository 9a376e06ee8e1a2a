// Conversions between the parameter text boxes' text and numbers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace jouk {

// Reads the longest numeric prefix of text: leading blanks, an optional sign, digits with at
// most one decimal point (always '.'), an optional exponent (E or e, optional sign, digits).
// Text with no leading number gives 0. Values beyond the range of a double give ±infinity,
// values too small for it give ±0.
double TextToNumber(std::string_view text);

// Where the number TextToNumber reads ends: the index just past it (its leading blanks
// included), or 0 when the text has no leading number.
std::size_t NumberEnd(std::string_view text);

// The shortest decimal text that reads back through TextToNumber as exactly v: point as the
// separator, no exponent, no trailing zeros ("0.12", "0.3", "0", "-10", "2.5").
std::string NumberToText(double v);

}  // namespace jouk
