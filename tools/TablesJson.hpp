// The parameter table and the windows' layout as one JSON document, from which a front that is
// not built from the C++ headers (the web page) makes its controls: every parameter's texts,
// option, help, start text and scroll-bar range, and every box, tab index, caption, font and
// colour of the two windows, with the focus order and the translation contexts of the texts.
#pragma once

#include <string>

namespace jouk {

// The document, UTF-8, one line ending in a newline. Boxes are in twips, as the layout gives them
// ({"left", "top", "width", "height"}); a parameter without a scroll bar has null for it.
std::string TablesJson();

}  // namespace jouk
