// The replay of the window's picture against the window's ticks played one by one: every pixel
// and the store's displaced lines and clock bit for bit, across parameter sets, picture sizes,
// tick counts and stores that hold an earlier run's lines.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "model/Animation.hpp"
#include "model/ContourCuts.hpp"
#include "model/FlowPicture.hpp"
#include "model/Mdl_Common.hpp"
#include "tests/common/ParameterSets.hpp"
#include "model/Raster.hpp"
#include "model/Recompute.hpp"

namespace jouk {
namespace {

// What the window does after START, tick by tick: every erase and draw pass in full.
class TickByTick {
 public:
  TickByTick(Raster& raster, FlowState& st) : raster_(raster), st_(st) {
    raster.Cls();
    StartPicture(raster, st);
    ResetAnimationClock(st, kTickIntervalMs);
  }
  // Plays the ticks up to `ticks` in all.
  void PlayTo(int ticks) {
    for (; played_ < ticks; ++played_) DrawAnimationTick(raster_, st_);
  }

 private:
  Raster& raster_;
  FlowState& st_;
  int played_ = 0;
};

FlowState Recomputed(const ParameterTexts& texts) {
  FlowState st;
  LoadInitialisation(st);
  EXPECT_TRUE(Recompute(st, texts).ok);
  return st;
}

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

::testing::AssertionResult SamePixels(const RasterImage& actual, const RasterImage& expected) {
  const std::vector<Rgb>& a = actual.pixels();
  const std::vector<Rgb>& e = expected.pixels();
  if (a.size() != e.size()) return ::testing::AssertionFailure() << "sizes differ";
  const int width = expected.raster().width();
  long differing = 0;
  std::size_t first = 0;
  for (std::size_t k = 0; k < e.size(); ++k) {
    if (a[k] != e[k] && differing++ == 0) first = k;
  }
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << differing << " pixels differ, first at column " << first % width << " row "
         << first / width << ": " << std::hex << a[first] << " instead of " << e[first];
}

::testing::AssertionResult SameGridBits(const PointGrid& actual, const PointGrid& expected) {
  for (int i = 0; i < PointGrid::kRows; ++i) {
    for (int j = 0; j < PointGrid::kCols; ++j) {
      if (!SameBits(actual(i, j), expected(i, j))) {
        return ::testing::AssertionFailure() << "at " << i << "," << j << ": " << actual(i, j)
                                             << " instead of " << expected(i, j);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// The store's animation as the replay leaves it: the displaced lines and the clock bit for bit,
// and the constants.
void ExpectSameAnimation(const FlowState& actual, const FlowState& expected) {
  EXPECT_TRUE(SameGridBits(actual.YAnim1, expected.YAnim1));
  EXPECT_TRUE(SameGridBits(actual.YAnim2, expected.YAnim2));
  EXPECT_TRUE(SameBits(actual.anim.tAnim, expected.anim.tAnim))
      << actual.anim.tAnim << " instead of " << expected.anim.tAnim;
  EXPECT_TRUE(actual.anim == expected.anim);
}

// For each tick count in increasing order, the replay of a copy of `before` against the ticks
// played one by one on another copy.
void ExpectReplayMatchesTicks(const FlowState& before, int width, int height,
                              const std::vector<int>& tickCounts) {
  RasterImage expected(width, height, kPlotBackground);
  RasterImage actual(width, height, kPlotBackground);
  ASSERT_FALSE(expected.empty());
  ASSERT_FALSE(actual.empty());
  FlowState played = before;
  TickByTick window(expected.raster(), played);
  for (const int ticks : tickCounts) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height) + ", " +
                 std::to_string(ticks) + " ticks");
    window.PlayTo(ticks);
    FlowState replayed = before;
    // Whatever the picture held before is cleared first.
    actual.raster().SetBackColor(kStreamlineColor);
    ReplayWindowPicture(actual.raster(), replayed, ticks);
    EXPECT_TRUE(SamePixels(actual, expected));
    ExpectSameAnimation(replayed, played);
  }
}

const std::vector<int> kTickCounts = {-1, 0, 1, 2, 9, 10, 11, 37, 100};

struct NamedTexts {
  const char* name;
  ParameterTexts texts;
};

std::vector<NamedTexts> ParameterSets() {
  ParameterTexts steep;
  steep.Alfa = "30";
  ParameterTexts closeUp;
  closeUp.Olcek = "0.5";
  ParameterTexts halfKutta;
  halfKutta.iKutta = "0.5";
  return {{"start-up", testing::StartupTexts()},
          {"heavy", testing::HeavyTexts()},
          {"alpha 30", steep},
          {"scale 0.5", closeUp},
          {"Kutta 0.5", halfKutta}};
}

TEST(WindowReplay, MatchesTheTicksForEveryParameterSetSizeAndTickCount) {
  for (const NamedTexts& set : ParameterSets()) {
    SCOPED_TRACE(set.name);
    const FlowState st = Recomputed(set.texts);
    for (const auto& [width, height] : {std::pair{600, 400}, {900, 600}, {3, 2}}) {
      ExpectReplayMatchesTicks(st, width, height, kTickCounts);
    }
  }
}

TEST(WindowReplay, MatchesTheTicksOnALargePicture) {
  for (const ParameterTexts& texts : {testing::StartupTexts(), testing::HeavyTexts()}) {
    ExpectReplayMatchesTicks(Recomputed(texts), 6000, 4000, {0, 1, 2, 3});
  }
}

// The first erase pass paints the lines the store holds before the start: an earlier run's last
// frame, or anything at all.
TEST(WindowReplay, MatchesTheTicksWhenTheStoreHoldsEarlierLines) {
  FlowState st = Recomputed(testing::StartupTexts());
  RasterImage scratch(600, 400, kPlotBackground);
  ReplayWindowPicture(scratch.raster(), st, 23);
  ParameterTexts steep;
  steep.Alfa = "30";
  ASSERT_TRUE(Recompute(st, steep).ok);
  ExpectReplayMatchesTicks(st, 600, 400, {1, 2, 11, 37});

  // Lines through the middle of the picture, off it, huge and not numbers.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double odd[] = {0.0, 0.01, -0.02, nan, 1e300, -inf, 5.0, 0.3};
  for (int i = 0; i <= kLastStreamline; ++i) {
    for (int j = 0; j <= kLastPoint; ++j) {
      st.YAnim1(i, j) = odd[(i + j) % 8];
      st.YAnim2(i, j) = odd[(i + 3 * j) % 8] * 0.5;
    }
  }
  ExpectReplayMatchesTicks(st, 900, 600, {0, 1, 2, 10});
}

TEST(WindowReplay, OnAPictureWithoutPixelsOnlyTheStoreChanges) {
  const FlowState before = Recomputed(testing::StartupTexts());
  RasterImage none(0, 0, kPlotBackground);
  FlowState played = before;
  TickByTick(none.raster(), played).PlayTo(11);
  FlowState replayed = before;
  ReplayWindowPicture(none.raster(), replayed, 11);
  ExpectSameAnimation(replayed, played);
}

// Whether the frames between the first and the last change the picture: the ticks played one
// by one against the first erase pass and the last frame alone.
bool MiddleFramesCutTheContour(const FlowState& before, int width, int height, int ticks) {
  RasterImage played(width, height, kPlotBackground), endsOnly(width, height, kPlotBackground);
  FlowState st = before;
  TickByTick(played.raster(), st).PlayTo(ticks);
  st = before;
  Raster& raster = endsOnly.raster();
  StartPicture(raster, st);
  ResetAnimationClock(st, kTickIntervalMs);
  DrawDisplacedLines(raster, st, kPlotBackground);
  for (int tick = 0; tick < ticks; ++tick) AdvanceAnimationTime(st);
  UpdateDisplacedLines(st);
  DrawDisplacedLines(raster, st, kStreamlineColor);
  return !SamePixels(endsOnly, played);
}

// The frames between the first and the last do cut the contour in the sets above (the dividing
// streamline starts on it), so the comparisons there see a replay that leaves them out.
TEST(WindowReplay, FramesBetweenTheFirstAndTheLastCutTheContour) {
  for (const NamedTexts& set : ParameterSets()) {
    const FlowState st = Recomputed(set.texts);
    EXPECT_TRUE(MiddleFramesCutTheContour(st, 600, 400, 100)) << set.name;
    EXPECT_TRUE(MiddleFramesCutTheContour(st, 900, 600, 37)) << set.name;
  }
}

// A store of two straight streamlines d above and d below a level contour, whose lines start
// on the streamlines themselves.
FlowState LevelContourWithStreamlinesAt(double d) {
  FlowState st;
  LoadInitialisation(st);
  st.Olcek = 1;
  st.kMax = 2;
  constexpr int kPoints = 1000;
  st.nPts = {2, kPoints, kPoints};
  st.XS(0, 1) = -0.95;
  st.XS(0, 2) = 0.95;
  for (int j = 1; j <= kPoints; ++j) {
    const double x = -0.9 + 1.8 * (j - 1) / (kPoints - 1);
    for (int i = 1; i <= 2; ++i) {
      st.XS(i, j) = x;
      st.YS(i, j) = i == 1 ? d : -d;
      st.YAnim1(i, j) = st.YS(i, j);
      st.YAnim2(i, j) = st.YS(i, j);
    }
  }
  return st;
}

// The lines swing at most 0.002 + 0.003 about their streamline. On a 1500 × 4000 picture of
// scale 1 a row is 1/3000 high, less than the reach test's margin is worth in any one amplitude,
// and the contour's row holds y from −1/3000 to 0: streamlines from within to just beyond the
// lines' reach, the frames between the first and the last cutting the contour for the nearer
// ones (the lower lines reach it up to d = 0.005 + 1/3000).
TEST(WindowReplay, MatchesTheTicksForStreamlinesAtTheEdgeOfTheLinesReach) {
  for (int k = 46; k <= 58; ++k) {
    const double d = k * 1e-4;
    SCOPED_TRACE("streamlines at ±" + std::to_string(d));
    const FlowState st = LevelContourWithStreamlinesAt(d);
    ExpectReplayMatchesTicks(st, 1500, 4000, {37});
    if (k <= 50 || k >= 55) {
      EXPECT_EQ(MiddleFramesCutTheContour(st, 1500, 4000, 37), k <= 50);
    }
  }
}

// The segments kept for the frames between the first and the last are a small part of all: the
// replay's speed rests on it.
TEST(WindowReplay, KeepsOnlyTheSegmentsNearTheContour) {
  for (const ParameterTexts& texts : {testing::StartupTexts(), testing::HeavyTexts()}) {
    FlowState st = Recomputed(texts);
    RasterImage picture(6000, 4000, kPlotBackground);
    ASSERT_FALSE(picture.empty());
    StartPicture(picture.raster(), st);
    const Raster& raster = picture.raster();
    const std::vector<PointRun> runs = RunsThatCanReach(
        st, raster.Map(), SpansOfColor(raster, kContourColor), raster.width(), raster.height());
    int kept = 0, all = 0;
    for (const PointRun& run : runs) kept += run.last - run.first;
    for (int i = 1; i <= LastAnimatedStreamline(st); ++i) all += st.nPts[i] - 1;
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept * 50, all) << kept << " of " << all;
  }
}

// Where a colour lies, column by column, on a picture whose rows are longer than its width: the
// pixels beyond the width are not the picture's.
TEST(ContourCuts, SpansOfColorReadsOnlyThePicturesPixels) {
  constexpr int kWidth = 7, kHeight = 5, kPitch = 9;
  std::vector<Rgb> pixels(kPitch * kHeight, kPlotBackground);
  for (int r = 0; r < kHeight; ++r) {
    pixels[r * kPitch + 7] = kContourColor;  // beyond the width
    pixels[r * kPitch + 8] = kContourColor;
  }
  const auto set = [&](int c, int r) { pixels[r * kPitch + c] = kContourColor; };
  set(1, 3);
  set(1, 1);
  set(6, 4);
  set(6, 0);
  set(4, 2);
  pixels[2 * kPitch + 5] = kContourColor & 0x00ffffffu;  // the same colour without its alpha
  const Raster raster(pixels.data(), kWidth, kHeight, kPitch, kPlotBackground);
  const ColumnSpans spans = SpansOfColor(raster, kContourColor);
  EXPECT_EQ(spans.firstColumn, 1);
  EXPECT_EQ(spans.lastColumn, 6);
  EXPECT_EQ(spans.topRow, 0);
  EXPECT_EQ(spans.bottomRow, 4);
  ASSERT_EQ(spans.top.size(), 7u);
  ASSERT_EQ(spans.bottom.size(), 7u);
  EXPECT_EQ(spans.top[1], 1);
  EXPECT_EQ(spans.bottom[1], 3);
  EXPECT_EQ(spans.top[4], 2);
  EXPECT_EQ(spans.bottom[4], 2);
  EXPECT_EQ(spans.top[6], 0);
  EXPECT_EQ(spans.bottom[6], 4);
  for (const int c : {0, 2, 3, 5}) EXPECT_GT(spans.top[c], spans.bottom[c]) << c;

  // Column 1 holds rows 1..3 only; column 4 row 2; the box's edges included.
  EXPECT_TRUE(spans.Meets(1, 1, 3, 3));
  EXPECT_TRUE(spans.Meets(-5, 1, 0, 1));
  EXPECT_FALSE(spans.Meets(1, 1, 4, 9));
  EXPECT_FALSE(spans.Meets(2, 3, 0, 4));
  EXPECT_TRUE(spans.Meets(2, 4, 2, 2));
  EXPECT_FALSE(spans.Meets(2, 5, 3, 4));
  EXPECT_TRUE(spans.Meets(6, 100, 4, 100));
  EXPECT_FALSE(spans.Meets(7, 100, 0, 4));
  EXPECT_FALSE(spans.Meets(0, 6, 5, 9));

  const ColumnSpans none = SpansOfColor(raster, kStreamlineColor);
  EXPECT_TRUE(none.empty());
  EXPECT_FALSE(none.Meets(0, 6, 0, 4));
}

}  // namespace
}  // namespace jouk
