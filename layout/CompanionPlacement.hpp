// Where a companion window (the lift window, a field window) opens: beside the main window, to
// its right where the screen has room for it, else to its left, and otherwise wherever the window
// system puts it. Pure geometry in screen pixels, so that it can be tried without a screen.
#pragma once

#include <optional>

namespace jouk {

// A rectangle of the screen: its upper-left corner and its size.
struct ScreenRect {
  int x, y, width, height;
  bool operator==(const ScreenRect&) const = default;
};

struct ScreenPoint {
  int x, y;
  bool operator==(const ScreenPoint&) const = default;
};

// Pixels between the main window's frame and the companion's.
inline constexpr int kCompanionGap = 8;

// The upper-left corner of the companion's frame (of size `companion`) beside the frame `main`,
// within the screen's available area `screen`: right of main at main.x + main.width + gap when
// the companion fits there, else left of it, top edges level (moved down or up as far as needed to
// stay on the screen); nothing when neither side has room (the window system places it then).
std::optional<ScreenPoint> CompanionPosition(const ScreenRect& main, int companionWidth,
                                             int companionHeight, const ScreenRect& screen,
                                             int gap = kCompanionGap);

}  // namespace jouk
