// User text as it may stand in a one-line message or a generated document.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace jouk {

// Whether c is a control character (below 0x20, or DEL), which would break a line or a terminal.
constexpr bool IsControlCharacter(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u < 0x20 || u == 0x7f;
}

// The text with control characters (a newline among them) shown as '?' and cut after `longest`
// characters, marked by "...".
std::string ShownText(std::string_view text, std::size_t longest = 60);

}  // namespace jouk
