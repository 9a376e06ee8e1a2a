#include "layout/WindowLayout.hpp"

#include <algorithm>

namespace jouk {

std::vector<ControlLayout> FocusOrder() {
  std::vector<ControlLayout> order;
  for (std::size_t k = 0; k < kParameterCount; ++k) {
    const ParameterControls row = ControlsOf(k);
    order.push_back(row.textBox);
    if (HasScrollBar(k)) order.push_back(row.scrollBar);
  }
  for (const CaptionedControl& c : {kMainWindow.plot, kMainWindow.start, kMainWindow.stop}) {
    order.push_back(c.control);
  }
  std::stable_sort(order.begin(), order.end(), [](const ControlLayout& a, const ControlLayout& b) {
    return a.tabIndex < b.tabIndex;
  });
  return order;
}

}  // namespace jouk
