#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "model/Animation.hpp"
#include "model/Mdl_Common.hpp"
#include "tests/common/ParameterSets.hpp"
#include "model/Recompute.hpp"
#include "tests/model/Tolerance.hpp"

namespace jouk {
namespace {

using testing::Near;

FlowState Started() {
  FlowState st;
  LoadInitialisation(st);
  EXPECT_TRUE(Recompute(st, ParameterTexts{}).ok);
  PrepareAnimation(st);
  ResetAnimationClock(st, 10);
  return st;
}

TEST(Animation, StartSetsTheWaveConstantsAndClock) {
  const FlowState st = Started();
  EXPECT_EQ(st.anim.kAnim, 10);
  EXPECT_EQ(st.anim.LenBase, 1);
  EXPECT_EQ(st.anim.LenShort, 0.1);
  EXPECT_EQ(st.anim.LenLong, 2);
  EXPECT_EQ(st.anim.AmpLong, 0.002);
  EXPECT_EQ(st.anim.AmpShort1, 0.003);
  EXPECT_EQ(st.anim.AmpShort2, 0.003);
  EXPECT_EQ(st.anim.dtAnim, 0.1);
  EXPECT_EQ(st.anim.tAnim, 0.0);
}

TEST(Animation, FirstFrameAtTimeOneTenthFollowsTheFormulas) {
  FlowState st = Started();
  AdvanceAnimationTime(st);
  EXPECT_EQ(st.anim.tAnim, 0.1);
  UpdateDisplacedLines(st);
  // A point at x = 0: w = y − 0.002·sin(0.2π); the lines lie 0.003·sin(0.2π) below and
  // 0.003·cos(0.2π) above it.
  const double pi = st.Pi;
  st.XS(3, 1) = 0;
  UpdateDisplacedLines(st);
  const double w = st.YS(3, 1) - 0.002 * std::sin(0.2 * pi);
  EXPECT_TRUE(Near(st.YAnim1(3, 1), w - 0.003 * std::sin(0.2 * pi), 1e-15));
  EXPECT_TRUE(Near(st.YAnim2(3, 1), w + 0.003 * std::cos(0.2 * pi), 1e-15));
  // Every displaced point stays within 0.005 of its streamline; the contour is not animated.
  for (int i = 1; i <= 10; ++i) {
    for (int j = 1; j <= st.nPts[i]; ++j) {
      EXPECT_LE(std::fabs(st.YAnim1(i, j) - st.YS(i, j)), 0.005);
      EXPECT_LE(std::fabs(st.YAnim2(i, j) - st.YS(i, j)), 0.005);
    }
  }
  for (int j = 0; j <= kLastPoint; ++j) EXPECT_EQ(st.YAnim1(0, j), 0.0);
}

TEST(Animation, PatternRepeatsEveryTenTicks) {
  FlowState st = Started();
  AdvanceAnimationTime(st);
  UpdateDisplacedLines(st);
  const PointGrid first = st.YAnim1;
  for (int t = 0; t < 10; ++t) AdvanceAnimationTime(st);
  UpdateDisplacedLines(st);
  for (int j = 1; j <= st.nPts[5]; ++j) EXPECT_TRUE(Near(st.YAnim1(5, j), first(5, j), 1e-12));
}

TEST(Animation, NoStreamlinesAnimatedWhenKAnimIsZero) {
  FlowState st = Started();
  st.anim.kAnim = 0;
  AdvanceAnimationTime(st);
  UpdateDisplacedLines(st);
  EXPECT_TRUE(st.YAnim1 == PointGrid{});
  EXPECT_TRUE(st.YAnim2 == PointGrid{});
}

TEST(Animation, KAnimBeyondTheComputedStreamlinesStaysInBounds) {
  FlowState st = Started();
  st.anim.kAnim = 1e9;  // only streamlines the recompute sized are animated
  EXPECT_EQ(LastAnimatedStreamline(st), 10);
  st.anim.kAnim = -3;
  EXPECT_EQ(LastAnimatedStreamline(st), -1);
}

// The argument handed back through a volatile, so that the compiler cannot merge a sine and a
// cosine of it into one sincos call: the values the test compares against are std::sin and
// std::cos each on its own.
double Opaque(double a) {
  volatile double v = a;
  return v;
}

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(Animation, SinCosGivesTheBitsOfSinAndCos) {
  constexpr double pi = std::numbers::pi;
  std::vector<double> arguments = {
      0.0,    -0.0,   1e-300, std::numeric_limits<double>::denorm_min(),
      0.5,    pi / 4, pi / 2, pi,
      2 * pi, 1e5,    1e8,    1e22,
      1e300,  -1e300};
  // The animation's own arguments, 2π·(x/0.1 − t) with |x| up to a few units, and many more
  // across every range of argument reduction.
  std::mt19937_64 random(6);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  for (int k = 0; k < 200000; ++k) {
    arguments.push_back(2 * pi * (unit(random) * 30.0 / 0.1 - k * 0.1));
  }
  for (int e = -30; e <= 1000; ++e) {
    arguments.push_back(std::ldexp(unit(random), e));
  }
  for (const double a : arguments) {
    double s = 0, c = 0;
    SinCos(a, &s, &c);
    const double sRef = std::sin(Opaque(a));
    const double cRef = std::cos(Opaque(a));
    ASSERT_TRUE(SameBits(s, sRef)) << "sin of " << a;
    ASSERT_TRUE(SameBits(c, cRef)) << "cos of " << a;
  }
  double s = 0, c = 0;
  SinCos(std::numeric_limits<double>::infinity(), &s, &c);
  EXPECT_TRUE(std::isnan(s) && std::isnan(c));
  SinCos(std::numeric_limits<double>::quiet_NaN(), &s, &c);
  EXPECT_TRUE(std::isnan(s) && std::isnan(c));
}

// The update pass against the formulas written out, one sin or cos per evaluation, over a run of
// ticks of the heaviest solution: every displaced value bit for bit, and nothing beyond the
// animated points written.
TEST(Animation, UpdatePassGivesTheFormulasBitForBit) {
  FlowState st;
  LoadInitialisation(st);
  ASSERT_TRUE(Recompute(st, testing::HeavyTexts()).ok);
  PrepareAnimation(st);
  ResetAnimationClock(st, 10);
  ASSERT_EQ(LastAnimatedStreamline(st), 20);
  const AnimState& an = st.anim;
  for (int tick = 1; tick <= 12; ++tick) {
    AdvanceAnimationTime(st);
    UpdateDisplacedLines(st);
    for (int i = 0; i <= kLastStreamline; ++i) {
      const int last = i == 0 || i >= static_cast<int>(st.nPts.size()) ? 0 : st.nPts[i];
      for (int j = 0; j <= kLastPoint; ++j) {
        double y1 = 0, y2 = 0;
        if (j >= 1 && j <= last) {
          const double x = st.XS(i, j);
          const double w =
              st.YS(i, j) + an.AmpLong * std::sin(st.TwoPi * (x / an.LenLong - an.tAnim));
          y1 = w + an.AmpShort1 * std::sin(st.TwoPi * (Opaque(x) / an.LenShort - an.tAnim));
          y2 = w + an.AmpShort2 * std::cos(st.TwoPi * (Opaque(x) / an.LenShort - an.tAnim));
        }
        ASSERT_TRUE(SameBits(st.YAnim1(i, j), y1)) << "tick " << tick << " at " << i << "," << j;
        ASSERT_TRUE(SameBits(st.YAnim2(i, j), y2)) << "tick " << tick << " at " << i << "," << j;
      }
    }
  }
}

}  // namespace
}  // namespace jouk
