#include "layout/CompanionPlacement.hpp"

#include <algorithm>

namespace jouk {

std::optional<ScreenPoint> CompanionPosition(const ScreenRect& main, int companionWidth,
                                             int companionHeight, const ScreenRect& screen,
                                             int gap) {
  if (companionWidth <= 0 || companionHeight > screen.height) return std::nullopt;
  // Top edges level, unless that would put the companion's bottom below the screen's (or its top
  // above it).
  const int lowestTop = screen.y + screen.height - companionHeight;
  const int y = std::max(screen.y, std::min(main.y, lowestTop));
  const int right = main.x + main.width + gap;
  if (right + companionWidth <= screen.x + screen.width && right >= screen.x) {
    return ScreenPoint{right, y};
  }
  const int left = main.x - gap - companionWidth;
  if (left >= screen.x && left + companionWidth <= screen.x + screen.width) {
    return ScreenPoint{left, y};
  }
  return std::nullopt;
}

}  // namespace jouk
