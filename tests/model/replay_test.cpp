// The replay of the window's picture against the window's ticks played one by one: every pixel
// and the store's displaced lines and clock bit for bit, across parameter sets, picture sizes,
// tick counts and stores that hold an earlier run's lines.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "model/Animation.hpp"
#include "model/ContourCuts.hpp"
#include "model/FlowPicture.hpp"
#include "model/Mdl_Common.hpp"
#include "model/Raster.hpp"
#include "model/Recompute.hpp"
#include "tests/common/ParameterSets.hpp"

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
                              const std::vector<int>& tickCounts, int pen = 1) {
  RasterImage expected(width, height, kPlotBackground);
  RasterImage actual(width, height, kPlotBackground);
  ASSERT_FALSE(expected.empty());
  ASSERT_FALSE(actual.empty());
  expected.raster().SetPenWidth(pen);
  actual.raster().SetPenWidth(pen);
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

// Long replays draw, after the first period, only the pieces whose pixels may drift from the
// frame a whole number of periods before: with every pen, at sizes whose pixels are coarse and
// fine, the pixels are still those of every tick played.
TEST(WindowReplay, MatchesTheTicksOverManyPeriodsWithEveryPen) {
  ParameterTexts steep;
  steep.Alfa = "30";
  steep.kMax = "6";
  for (const ParameterTexts& texts : {testing::StartupTexts(), steep}) {
    const FlowState st = Recomputed(texts);
    for (const int pen : {1, 3, 8}) {
      SCOPED_TRACE("pen " + std::to_string(pen));
      ExpectReplayMatchesTicks(st, 600, 400, {29, 30, 31, 40, 613}, pen);
      ExpectReplayMatchesTicks(st, 3, 2, {31, 123}, pen);
    }
  }
}

// Over a lesson's time (10^6 ticks) the replay against the frames drawn one by one over the
// segments that can reach the contour, every erase pass of every frame: what the drifting
// segments leave out changes no pixel.
TEST(WindowReplay, MatchesEveryErasePassNearTheContourOverALesson) {
  for (const auto& [width, pen] : {std::pair{600, 1}, {1500, 3}}) {
    SCOPED_TRACE(std::to_string(width) + " pixels wide, pen " + std::to_string(pen));
    const int height = width * 2 / 3;
    const int ticks = 1000000;
    FlowState replayed = Recomputed(testing::StartupTexts());
    FlowState played = replayed;
    RasterImage actual(width, height, kPlotBackground);
    RasterImage expected(width, height, kPlotBackground);
    actual.raster().SetPenWidth(pen);
    Raster& raster = expected.raster();
    raster.SetPenWidth(pen);
    ReplayWindowPicture(actual.raster(), replayed, ticks);
    StartPicture(raster, played);
    ResetAnimationClock(played, kTickIntervalMs);
    DrawDisplacedLines(raster, played, kPlotBackground);
    DisplacedRunPainter near(RunsThatCanReach(
        played, raster.Map(), SpansOfColor(raster, kContourColor), width, height, pen));
    for (int tick = 1; tick < ticks; ++tick) {
      AdvanceAnimationTime(played);
      near.Draw(raster, played, kPlotBackground);
    }
    AdvanceAnimationTime(played);
    UpdateDisplacedLines(played);
    DrawDisplacedLines(raster, played, kStreamlineColor);
    EXPECT_TRUE(SamePixels(actual, expected));
  }
}

// The drift bounds how far a point moves between frames a whole number of periods apart, and
// grows with the time.
TEST(ContourCuts, PeriodDriftBoundsTheMoveOverWholePeriods) {
  FlowState st = Recomputed(testing::StartupTexts());
  AdvanceToFrame(st, 7);
  const PointGrid first = st.YAnim1;
  const PointGrid firstRipple = st.YAnim2;
  double last = 0;
  for (const int periods : {1, 10, 1000, 100000}) {
    const int ticks = 7 + periods * kTicksPerTimeUnit;
    FlowState later = st;
    for (int t = 7; t < ticks; ++t) AdvanceAnimationTime(later);
    UpdateDisplacedLines(later);
    double moved = 0;
    for (int i = 1; i <= LastAnimatedStreamline(st); ++i) {
      for (int j = 1; j <= st.nPts[i]; ++j) {
        moved = std::max({moved, std::fabs(later.YAnim1(i, j) - first(i, j)),
                          std::fabs(later.YAnim2(i, j) - firstRipple(i, j))});
      }
    }
    const double drift = PeriodDrift(st, ticks);
    EXPECT_LE(moved, drift) << periods;
    EXPECT_GT(drift, last) << periods;
    EXPECT_LT(drift, 1e-4) << periods;  // a small part of a pixel at any size
    last = drift;
  }
  EXPECT_LT(PeriodDrift(st, 10000000), 2e-4);
}

// Of the segments near the contour, those whose pixels may drift over a lesson's time are few;
// none without any drift at all but those at the picture's edge.
TEST(ContourCuts, FewSegmentsMayDrift) {
  FlowState st = Recomputed(testing::HeavyTexts());
  RasterImage picture(600, 400, kPlotBackground);
  StartPicture(picture.raster(), st);
  const Raster& raster = picture.raster();
  const std::vector<PointRun> runs = RunsThatCanReach(
      st, raster.Map(), SpansOfColor(raster, kContourColor), raster.width(), raster.height());
  AdvanceToFrame(st, 3);
  const auto segments = [](const std::vector<PointRun>& r) {
    int n = 0;
    for (const PointRun& run : r) n += run.last - run.first;
    return n;
  };
  const int near = segments(runs);
  const int drifting = segments(
      DriftingSegments(st, runs, raster.Map(), 600, 400, PeriodDrift(st, 10000000)).Runs());
  EXPECT_GT(near, 100);
  EXPECT_LT(drifting * 20, near) << drifting << " of " << near;
  EXPECT_EQ(segments(DriftingSegments(st, runs, raster.Map(), 600, 400, 0).Runs()), 0);
}

// A segment is kept exactly when one of its ends, on either line, may change its pixel row by the
// drift (or leave the picture).
TEST(ContourCuts, DriftingSegmentsAreThoseWithAnEndThatMayMove) {
  FlowState st = Recomputed(testing::StartupTexts());
  RasterImage picture(600, 400, kPlotBackground);
  StartPicture(picture.raster(), st);
  const DeviceMap& map = picture.raster().Map();
  const std::vector<PointRun> runs =
      RunsThatCanReach(st, map, SpansOfColor(picture.raster(), kContourColor), 600, 400);
  AdvanceToFrame(st, 3);
  const double drift = 0.001;  // a third of a pixel
  const auto moves = [&](int i, int j) {
    const DisplacedHeights h = DisplacedPoint(st.anim, st.TwoPi, st.XS(i, j), st.YS(i, j));
    for (const double y : {h.y1, h.y2}) {
      const DevicePoint lo = map.ToDevice(st.XS(i, j), y - drift);
      const DevicePoint hi = map.ToDevice(st.XS(i, j), y + drift);
      if (std::floor(lo.v) != std::floor(hi.v) || lo.v < 0 || hi.v >= 400) return true;
    }
    return false;
  };
  std::vector<std::pair<int, int>> expected, kept;
  for (const PointRun& run : runs) {
    for (int j = run.first; j < run.last; ++j) {
      if (moves(run.streamline, j) || moves(run.streamline, j + 1)) {
        expected.emplace_back(run.streamline, j);
      }
    }
  }
  for (const PointRun& run : DriftingSegments(st, runs, map, 600, 400, drift).Runs()) {
    for (int j = run.first; j < run.last; ++j) kept.emplace_back(run.streamline, j);
  }
  EXPECT_GE(expected.size(), 10u);
  EXPECT_EQ(kept, expected);
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
