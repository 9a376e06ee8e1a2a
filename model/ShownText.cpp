#include "model/ShownText.hpp"

namespace jouk {

std::string ShownText(std::string_view text, std::size_t longest) {
  std::string shown;
  for (const char c : text.substr(0, longest)) shown += IsControlCharacter(c) ? '?' : c;
  if (text.size() > longest) shown += "...";
  return shown;
}

}  // namespace jouk
