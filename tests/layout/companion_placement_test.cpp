// Where a companion window opens beside the main window, at the screen's edges.
#include <gtest/gtest.h>

#include <optional>

#include "layout/CompanionPlacement.hpp"

namespace jouk {
namespace {

constexpr ScreenRect kScreen{0, 0, 1920, 1040};  // the available area of a 1920 × 1080 screen

TEST(CompanionPosition, BesideTheMainWindowOrLeftToTheWindowSystem) {
  const struct {
    const char* name;
    ScreenRect main;
    int width, height;
    ScreenRect screen;
    std::optional<ScreenPoint> at;
  } rows[] = {
      {"right, tops level", {100, 50, 800, 600}, 500, 400, kScreen, ScreenPoint{908, 50}},
      {"right, exactly to the edge", {100, 50, 800, 600}, 1012, 400, kScreen, ScreenPoint{908, 50}},
      {"one pixel too wide on the right: left",
       {700, 50, 800, 600},
       413,
       400,
       kScreen,
       ScreenPoint{279, 50}},
      {"left, exactly to the edge", {700, 50, 800, 600}, 692, 400, kScreen, ScreenPoint{0, 50}},
      {"no room either side", {600, 50, 800, 600}, 600, 400, kScreen, std::nullopt},
      {"moved up to keep its bottom on the screen",
       {100, 800, 800, 200},
       500,
       400,
       kScreen,
       ScreenPoint{908, 640}},
      {"main above the screen's top", {100, -30, 800, 600}, 500, 400, kScreen, ScreenPoint{908, 0}},
      {"taller than the screen", {100, 50, 800, 600}, 500, 1041, kScreen, std::nullopt},
      {"a second screen to the right",
       {2000, 100, 800, 600},
       500,
       400,
       ScreenRect{1920, 0, 1920, 1080},
       ScreenPoint{2808, 100}},
      {"main on the screen to the left of this one",
       {100, 100, 800, 600},
       500,
       400,
       ScreenRect{1920, 0, 1920, 1080},
       std::nullopt},
      {"no width", {100, 50, 800, 600}, 0, 400, kScreen, std::nullopt},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(CompanionPosition(r.main, r.width, r.height, r.screen), r.at) << r.name;
  }
}

// Wherever it is placed, it never overlaps the main window.
TEST(CompanionPosition, NeverOverlapsTheMainWindow) {
  const ScreenRect main{300, 200, 800, 600};
  for (int width = 1; width <= 1920; width += 37) {
    const auto at = CompanionPosition(main, width, 300, kScreen);
    if (!at) continue;
    EXPECT_TRUE(at->x >= main.x + main.width || at->x + width <= main.x) << width;
    EXPECT_GE(at->x, kScreen.x);
    EXPECT_LE(at->x + width, kScreen.x + kScreen.width);
  }
}

}  // namespace
}  // namespace jouk
