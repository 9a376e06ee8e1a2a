// The −Cp axis's ticks: round steps, whole multiples of the step, 0 among them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/AxisTicks.hpp"
#include "model/PressureAxis.hpp"

namespace jouk {
namespace {

TEST(AxisTicks, NiceStepsAreOneTwoOrFiveTimesAPowerOfTen) {
  const struct {
    double raw, step;
  } rows[] = {{1.33, 1},   {1.5, 2},   {3.49, 2}, {3.5, 5}, {7.49, 5}, {7.5, 10},
              {0.16, 0.2}, {0.3, 0.2}, {1, 1},    {0, 1},   {-2, 1}};
  for (const auto& r : rows) EXPECT_EQ(NiceStep(r.raw), r.step) << r.raw;
}

// The range of α = 12 runs from −1 to 8 at a step of 2: the ticks were −1, 1, 3, 5, 7.
TEST(AxisTicks, TicksAreMultiplesOfTheStep) {
  const struct {
    const char* name;
    double low, high, step;
    std::vector<double> ticks;
  } rows[] = {
      {"the range at alpha 12", -1, 8, 2, {0, 2, 4, 6, 8}},
      {"ends on multiples", -2, 4, 2, {-2, 0, 2, 4}},
      {"below zero only", -7, -1, 2, {-6, -4, -2}},
      {"fractional step", -0.3, 0.5, 0.2, {-0.2, 0, 0.2, 0.4}},
      {"an end a rounding off a multiple", -1.0000000001e-10, 1, 0.5, {0, 0.5, 1}},
      {"one tick", -0.1, 0.1, 1, {0}},
      {"empty range", 0.2, 0.3, 1, {}},
      {"not finite", -HUGE_VAL, 1, 1, {}},
      {"no step", -1, 1, 0, {}},
  };
  for (const auto& r : rows) EXPECT_EQ(AxisTicks(r.low, r.high, r.step), r.ticks) << r.name;
  EXPECT_EQ(AxisTicks(-1e6, 1e6, 1).size(), static_cast<std::size_t>(kMostAxisTicks));
}

// Whenever the range spans 0, 0 is a tick, exactly, and every tick lies in the range.
TEST(AxisTicks, ZeroIsATickWheneverTheRangeSpansIt) {
  for (double low = -9.7; low <= 0; low += 0.37) {
    for (double high = 0.05; high <= 12; high += 0.53) {
      const double step = NiceStep((high - low) / 6);
      const std::vector<double> ticks = AxisTicks(low, high, step);
      EXPECT_NE(std::find(ticks.begin(), ticks.end(), 0.0), ticks.end()) << low << " " << high;
      for (const double t : ticks) {
        EXPECT_GE(t, low - step * 1e-9);
        EXPECT_LE(t, high + step * 1e-9);
      }
      EXPECT_GE(ticks.size(), 4u);
    }
  }
}

// The lift plot's −Cp axis, which both fronts draw: at least −1 to 1, whole fitting steps, and a
// sharp edge's suction peak cut at max(3·m, m + 2), m the highest −Cp between 5 % and 95 % of the
// chord (both ends counted), not-finite values left out.
TEST(PressureAxis, FitsTheCurvesAndCutsOnlyASharpPeak) {
  const double inf = HUGE_VAL;
  const struct {
    const char* name;
    std::vector<CurvePoint> upper, lower;
    double bottom, top, step;
    bool cut;
  } rows[] = {
      {"no curves", {}, {}, -1, 1, 0.2, false},
      {"inside -1..1", {{0.5, 0.5}}, {{0.5, -0.25}}, -1, 1, 0.2, false},
      {"a peak three times the middle is cut", {{0.01, 20}, {0.5, 2}}, {}, -1, 6, 1, true},
      {"the middle's end at 5 % counts", {{0.01, 20}, {0.05, 2}}, {}, -1, 6, 1, true},
      {"the middle's end at 95 % counts", {{0.01, 20}}, {{0.95, 2}}, -1, 6, 1, true},
      {"a peak at the limit stays", {{0.01, 6}, {0.5, 2}}, {}, -1, 6, 1, false},
      {"a small middle gives m + 2", {{0.01, 2.4}, {0.5, 0.5}}, {}, -1, 2.5, 0.5, false},
      {"above m + 2 it is cut", {{0.01, 2.6}, {0.5, 0.5}}, {}, -1, 2.5, 0.5, true},
      {"nothing in the middle: no cut", {{0.04, 20}, {0.96, 1}}, {}, -5, 20, 5, false},
      {"not-finite values left out",
       {{0.5, inf}, {0.5, NAN}, {0.3, 1.5}},
       {{0.6, -inf}},
       -1,
       1.5,
       0.5,
       false},
      {"deep pressure below -1", {{0.5, 1}}, {{0.5, -2.3}}, -2.5, 1, 0.5, false},
  };
  for (const auto& r : rows) {
    const PressureAxis axis = PressureAxisOf({r.upper, r.lower});
    EXPECT_DOUBLE_EQ(axis.bottom, r.bottom) << r.name;
    EXPECT_DOUBLE_EQ(axis.top, r.top) << r.name;
    EXPECT_DOUBLE_EQ(axis.step, r.step) << r.name;
    EXPECT_EQ(axis.peakCut, r.cut) << r.name;
  }
  EXPECT_EQ(PressureAxisOf({{{0.01, 20}, {0.5, 2}}, {}}).peak, 20);
}

}  // namespace
}  // namespace jouk
