// The windows' layout: the facts both fronts rely on hold for every control at once, so that a
// mistyped number shows here and not as a control that hides another.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "layout/WindowLayout.hpp"

namespace jouk {
namespace {

// A control of the main window and the container whose inside its box is relative to.
struct Placed {
  std::string container;
  ControlLayout control;
  bool focusable;
};

// Every control of the main window: the frames, the commands and the plot in the client area,
// each parameter's label, text box and scroll bar in its frame.
std::vector<Placed> MainWindowControls() {
  std::vector<Placed> all;
  for (const FrameLayout& f : kMainWindow.frames) all.push_back({"client", f.frame.control, false});
  for (std::size_t k = 0; k < kParameterCount; ++k) {
    const ParameterControls row = ControlsOf(k);
    const std::string frame = kMainWindow.frames[row.frame].frame.control.name;
    all.push_back({frame, row.label, false});
    all.push_back({frame, row.textBox, true});
    if (HasScrollBar(k)) all.push_back({frame, row.scrollBar, true});
  }
  for (const CaptionedControl& c : {kMainWindow.start, kMainWindow.stop, kMainWindow.plot}) {
    all.push_back({"client", c.control, true});
  }
  return all;
}

struct PixelRect {
  int left, top, right, bottom;  // right and bottom exclusive
};

PixelRect Pixels(const TwipBox& b) {
  return {TwipsToPixels(b.left), TwipsToPixels(b.top), TwipsToPixels(b.left + b.width),
          TwipsToPixels(b.top + b.height)};
}

// By how many pixels two boxes overlap: the smaller side of their intersection, 0 for none.
int Overlap(const TwipBox& a, const TwipBox& b) {
  const PixelRect p = Pixels(a), q = Pixels(b);
  const int w = std::min(p.right, q.right) - std::max(p.left, q.left);
  const int h = std::min(p.bottom, q.bottom) - std::max(p.top, q.top);
  return std::max(0, std::min(w, h));
}

bool Inside(const TwipBox& b, const TwipSize& room) {
  return b.left >= 0 && b.top >= 0 && b.left + b.width <= room.width &&
         b.top + b.height <= room.height;
}

bool WholePixels(const TwipBox& b) {
  for (const int v : {b.left, b.top, b.width, b.height}) {
    if (v % kTwipsPerPixel != 0) return false;
  }
  return true;
}

// Every tab index from 0 to the number of controls less one stands once: frames and labels hold
// their places too, and none is given twice.
TEST(MainWindowLayout, TabIndicesNumberEveryControlOnce) {
  const std::vector<Placed> all = MainWindowControls();
  std::vector<int> indices;
  for (const Placed& p : all) indices.push_back(p.control.tabIndex);
  std::sort(indices.begin(), indices.end());
  for (std::size_t k = 0; k < indices.size(); ++k) {
    EXPECT_EQ(indices[k], static_cast<int>(k));
  }
  EXPECT_EQ(all.size(), 28u);

  // The focus visits exactly the controls that take it, by index.
  const std::vector<ControlLayout> order = FocusOrder();
  const auto focusable =
      std::count_if(all.begin(), all.end(), [](const Placed& p) { return p.focusable; });
  ASSERT_EQ(order.size(), static_cast<std::size_t>(focusable));
  for (std::size_t k = 1; k < order.size(); ++k) {
    EXPECT_LT(order[k - 1].tabIndex, order[k].tabIndex) << order[k].name;
  }
  EXPECT_STREQ(order.front().name, "Text_DELTA");  // where the focus starts
}

// As laid out in pixels, no two controls of one container overlap by more than a pixel (the
// rounding of twips lets a frame's edge or a wrapping label touch its neighbour), and each lies
// inside its container; every box is a whole number of pixels, so no front rounds.
TEST(MainWindowLayout, ControlsStayApartAndInsideTheirContainers) {
  const std::vector<Placed> all = MainWindowControls();
  const TwipBox frame = kMainWindow.frames[0].frame.control.box;
  for (std::size_t a = 0; a < all.size(); ++a) {
    const Placed& p = all[a];
    EXPECT_TRUE(WholePixels(p.control.box)) << p.control.name;
    const TwipSize room =
        p.container == "client" ? kMainWindow.client : TwipSize{frame.width, frame.height};
    EXPECT_TRUE(Inside(p.control.box, room)) << p.control.name;
    for (std::size_t b = a + 1; b < all.size(); ++b) {
      if (all[b].container != p.container) continue;
      EXPECT_LE(Overlap(p.control.box, all[b].control.box), 1)
          << p.control.name << " and " << all[b].control.name;
    }
  }
  // Both frames have the same size, so the rows of either fit the other's.
  EXPECT_EQ(kMainWindow.frames[1].frame.control.box.width, frame.width);
  EXPECT_EQ(kMainWindow.frames[1].frame.control.box.height, frame.height);
}

// Each frame holds four rows at the same tops; in a row the scroll bar starts where the text box
// ends and the label's box reaches the text box's top; only the Kutta label is two lines high.
TEST(MainWindowLayout, RowsLineUpInEachFrame) {
  std::set<int> tops[2];
  for (std::size_t k = 0; k < kParameterCount; ++k) {
    const ParameterControls row = ControlsOf(k);
    ASSERT_LT(row.frame, 2u);
    tops[row.frame].insert(row.textBox.box.top);
    const TwipBox& label = row.label.box;
    EXPECT_LE(label.top, row.textBox.box.top) << row.label.name;
    EXPECT_GT(label.top + label.height, row.textBox.box.top) << row.label.name;
    EXPECT_EQ(LabelWraps(label), k == kKutta) << row.label.name;
    if (!HasScrollBar(k)) continue;
    EXPECT_EQ(row.scrollBar.box.top, row.textBox.box.top) << row.scrollBar.name;
    EXPECT_EQ(row.scrollBar.box.left, row.textBox.box.left + row.textBox.box.width - 15)
        << row.scrollBar.name;
  }
  const std::set<int> expected = {360, 720, 1080, 1440};
  EXPECT_EQ(tops[0], expected);
  EXPECT_EQ(tops[1], expected);
}

TEST(MainWindowLayout, NamesAreUniqueAndThePlotIsThreeByTwo) {
  std::set<std::string> names = {kMainWindow.name, kMainWindow.menuItemName};
  std::size_t count = names.size();
  for (const Placed& p : MainWindowControls()) {
    names.insert(p.control.name);
    ++count;
  }
  EXPECT_EQ(names.size(), count);
  const TwipBox plot = kMainWindow.plot.control.box;
  EXPECT_EQ(TwipsToPixels(plot.width), 600);
  EXPECT_EQ(TwipsToPixels(plot.height), 400);
  EXPECT_EQ(2 * plot.width, 3 * plot.height);
}

// The About window's labels stand inside it, apart, top to bottom, in whole pixels.
TEST(AboutWindowLayout, LabelsStayApartInsideTheWindow) {
  const auto& labels = kAboutWindow.labels;
  std::set<std::string> names;
  for (std::size_t a = 0; a < labels.size(); ++a) {
    const AboutLabel& l = labels[a];
    EXPECT_TRUE(names.insert(l.name).second) << l.name;
    EXPECT_TRUE(WholePixels(l.box)) << l.name;
    EXPECT_TRUE(Inside(l.box, kAboutWindow.client)) << l.name;
    if (a > 0) {
      EXPECT_GT(l.box.top, labels[a - 1].box.top) << l.name;
    }
    for (std::size_t b = a + 1; b < labels.size(); ++b) {
      EXPECT_LE(Overlap(l.box, labels[b].box), 1) << l.name << " and " << labels[b].name;
    }
  }
  EXPECT_EQ(TwipsToPixels(kAboutWindow.client.width), 275);
  EXPECT_EQ(TwipsToPixels(kAboutWindow.client.height), 213);
}

}  // namespace
}  // namespace jouk
