#include <gtest/gtest.h>

#include <cmath>

#include "Animation.hpp"
#include "Mdl_Common.hpp"
#include "Recompute.hpp"
#include "Tolerance.hpp"

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

}  // namespace
}  // namespace jouk
