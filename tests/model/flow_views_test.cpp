// The circle plane kept beside the section, the stages of the map between them, the wind-tunnel
// view with its downstream ripples and the hover's way back from a shown point to the circle.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/Animation.hpp"
#include "model/FlowField.hpp"
#include "model/FlowPicture.hpp"
#include "model/FlowViews.hpp"
#include "model/MathConstants.hpp"
#include "model/Mdl_ZORAP.hpp"
#include "model/Recompute.hpp"
#include "tests/model/Tolerance.hpp"

namespace jouk {
namespace {

using testing::Near;

FlowState Recomputed(const ParameterTexts& texts) {
  FlowState st;
  LoadInitialisation(st);
  EXPECT_TRUE(Recompute(st, texts).ok);
  return st;
}

const ParameterTexts kStartup{};
const ParameterTexts kSteep{
    .Delta = "0.16", .Gama = "0.04", .Alfa = "30", .Olcek = "3", .dPsi = "0.3", .kMax = "9"};

double B(const FlowState& st) {
  return st.nB / st.nExp;
}

Complex At(const PointGrid& x, const PointGrid& y, int k, int j) {
  return {x(k, j), y(k, j)};
}

TEST(FlowViews, TheCirclePlaneCopyIsWhatTheSolverWrote) {
  for (const ParameterTexts& texts : {kStartup, kSteep}) {
    const FlowState st = Recomputed(texts);
    FlowState solved = st;
    CircleStreamlines(solved);  // the same parameters, solved again: the points before the map
    for (int k = 0; k <= LastStreamline(st, st.kMax); ++k) {
      ASSERT_EQ(solved.nPts[k], st.nPts[k]);
      for (int j = 1; j <= st.nPts[k]; ++j) {
        EXPECT_EQ(st.XC(k, j), solved.XS(k, j)) << k << " " << j;
        EXPECT_EQ(st.YC(k, j), solved.YS(k, j)) << k << " " << j;
      }
    }
  }
}

TEST(FlowViews, StageZeroIsTheCirclePlaneTurnedAsShownExactly) {
  for (const FlowView view : {FlowView::kMain, FlowView::kTunnel}) {
    const FlowState st = Recomputed(kSteep);
    for (int k = 0; k <= LastStreamline(st, st.kMax); ++k) {
      const std::vector<Complex> line = StreamlineAtStage(st, k, 0, view);
      ASSERT_EQ(static_cast<int>(line.size()), st.nPts[k]);
      for (int j = 1; j <= st.nPts[k]; ++j) {
        const Complex shown = TurnByAngle(Mirror(At(st.XC, st.YC, k, j)), st.CosAlfa, st.SinAlfa);
        EXPECT_EQ(line[j - 1], ToView(view, shown, st.CosAlfa, st.SinAlfa)) << k << " " << j;
      }
    }
  }
}

TEST(FlowViews, StageOneIsTheSectionsPointsInEitherView) {
  for (const ParameterTexts& texts : {kStartup, kSteep}) {
    for (const FlowView view : {FlowView::kMain, FlowView::kTunnel}) {
      const FlowState st = Recomputed(texts);
      FlowState viewed = st;
      ApplyView(viewed, view);
      const double tol = 1e-12 * st.Olcek;
      for (int k = 0; k <= LastStreamline(st, st.kMax); ++k) {
        const std::vector<Complex> line = StreamlineAtStage(st, k, 1, view);
        for (int j = 2; j <= st.nPts[k]; ++j) {  // point 1 of the contour: the edge rule (below)
          EXPECT_TRUE(Near(line[j - 1].real(), viewed.XS(k, j), tol)) << k << " " << j;
          EXPECT_TRUE(Near(line[j - 1].imag(), viewed.YS(k, j), tol)) << k << " " << j;
        }
      }
    }
  }
}

TEST(FlowViews, AStageIsTheJoukowskyMapOfLengthRootTB) {
  const FlowState st = Recomputed(kStartup);
  const double b = B(st);
  for (const double t : {0.25, 0.5, 0.81}) {
    const double c = StageLength(t, b);
    EXPECT_TRUE(Near(c * c, t * b * b, 1e-16));
    for (int j = 1; j <= st.nPts[3]; j += 7) {
      const Complex zeta = At(st.XC, st.YC, 3, j);
      EXPECT_TRUE(Near(std::abs(StagePoint(zeta, t, b, st.CosAlfa, st.SinAlfa, FlowView::kMain) -
                                PicturePoint(zeta, c, st.CosAlfa, st.SinAlfa)),
                       0, 1e-14));
    }
  }
}

TEST(FlowViews, MainViewLeavesTheStoreAsItIs) {
  FlowState st = Recomputed(kSteep);
  const FlowState before = st;
  ApplyView(st, FlowView::kMain);
  EXPECT_TRUE(st == before);
  ResetAnimationClock(st, kTickIntervalMs);
  EXPECT_EQ(st.anim.dtAnim, 0.1);
}

// The direction in degrees from the first to the last point of streamline k.
double Heading(const FlowState& st, int k) {
  const int n = st.nPts[k];
  return std::atan2(st.YS(k, n) - st.YS(k, 1), st.XS(k, n) - st.XS(k, 1)) * 180 / kPi;
}

TEST(FlowViews, TunnelRunsTheFreeStreamHorizontallyWithTheNoseUp) {
  const FlowState main = Recomputed(kSteep);  // α = 30
  FlowState tunnel = main;
  ApplyView(tunnel, FlowView::kTunnel);
  // The outermost streamlines: from upstream to downstream, in the main picture at 180° − 2α.
  for (const int k : {8, 9}) {
    EXPECT_TRUE(Near(Heading(main, k), 120, 6)) << k;
    EXPECT_TRUE(Near(std::fabs(Heading(tunnel, k)), 180, 6)) << k;
  }
  // The trailing edge (contour point 1) at −2b·e^{iα}: left of the nose and below it.
  const double b = B(main);
  EXPECT_TRUE(Near(tunnel.XS(0, 1), -2 * b * std::cos(kPi / 6), 1e-12));
  EXPECT_TRUE(Near(tunnel.YS(0, 1), -2 * b * std::sin(kPi / 6), 1e-12));
  EXPECT_TRUE(tunnel.anim.downstream);
}

TEST(FlowViews, TunnelRipplesTravelDownstream) {
  FlowState st = Recomputed(kSteep);
  ApplyView(st, FlowView::kTunnel);
  AdvanceToFrame(st, 3);
  EXPECT_TRUE(Near(st.anim.tAnim, -0.3, 1e-15));
  // A crest of sin(2π·(x/L − t)) stands at x = L·(t + 1/4): with t falling it moves to −x, one
  // ripple length L/10 = 0.01 per tick.
  AnimState an = st.anim;
  an.AmpLong = 0;
  const double crest = an.LenShort * (an.tAnim + 0.25);
  an.tAnim = an.tAnim + an.dtAnim;  // the next tick
  const DisplacedHeights next = DisplacedPoint(an, st.TwoPi, crest - 0.01, 0);
  EXPECT_TRUE(Near(next.y1, an.AmpShort1, 1e-15));
}

// Erasing by overdrawing in the tunnel view: the replay equals the ticks drawn one by one, and
// painting the last frame over in the background colour leaves no grey pixel.
TEST(FlowViews, TunnelKeepsThePixelRules) {
  FlowState st = Recomputed(kSteep);
  ApplyView(st, FlowView::kTunnel);
  FlowState replayed = st;
  RasterImage byTicks(300, 200, kPlotBackground);
  RasterImage replay(300, 200, kPlotBackground);
  byTicks.raster().Cls();
  StartPicture(byTicks.raster(), st);
  ResetAnimationClock(st, kTickIntervalMs);
  for (int tick = 0; tick < 13; ++tick) DrawAnimationTick(byTicks.raster(), st);
  ReplayWindowPicture(replay.raster(), replayed, 13);
  EXPECT_TRUE(byTicks.pixels() == replay.pixels());
  DrawDisplacedLines(byTicks.raster(), st, kPlotBackground);
  int grey = 0;
  for (const Rgb p : byTicks.pixels()) grey += p == kStreamlineColor;
  EXPECT_EQ(grey, 0);
}

TEST(FlowViews, HoverFindsTheCirclePointAtEveryStage) {
  const FlowState st = Recomputed(kStartup);
  FieldFlow flow;
  MessageId reason{};
  ASSERT_TRUE(MakeFieldFlow(st, flow, reason));
  const double b = B(st);
  for (const FlowView view : {FlowView::kMain, FlowView::kTunnel}) {
    for (const double t : {0.0, 0.3, 0.5, 1.0}) {
      for (int k = 1; k <= LastStreamline(st, st.kMax); ++k) {
        for (int j = 1; j <= st.nPts[k]; j += 5) {
          const Complex zeta = At(st.XC, st.YC, k, j);
          const Complex Q = StagePoint(zeta, t, b, st.CosAlfa, st.SinAlfa, view);
          const Complex back = StageCirclePoint(Q, t, b, st.CosAlfa, st.SinAlfa, flow.centre, view);
          EXPECT_TRUE(Near(std::abs(back - zeta), 0, 1e-7 * b)) << t << " " << k << " " << j;
        }
      }
      const Complex zeta = At(st.XC, st.YC, 5, 40);
      const Complex other = OtherPlanePoint(zeta, t, b, st.CosAlfa, st.SinAlfa, view);
      EXPECT_EQ(other, StagePoint(zeta, t < 0.5 ? 1 : 0, b, st.CosAlfa, st.SinAlfa, view));
    }
  }
}

TEST(FlowViews, ViewTurnsAreInverse) {
  const FlowState st = Recomputed(kSteep);
  for (const Complex P : {Complex(0.3, -0.2), Complex(-2.5, 1.9)}) {
    const Complex Q = ToView(FlowView::kTunnel, P, st.CosAlfa, st.SinAlfa);
    EXPECT_TRUE(Near(std::abs(Q - P * std::polar(1.0, kPi / 3)), 0, 1e-15));
    EXPECT_TRUE(
        Near(std::abs(FromView(FlowView::kTunnel, Q, st.CosAlfa, st.SinAlfa) - P), 0, 1e-15));
  }
  EXPECT_TRUE(StreamlineAtStage(st, 21, 1, FlowView::kMain).empty());
  EXPECT_TRUE(StreamlineAtStage(st, -1, 1, FlowView::kMain).empty());
}

}  // namespace
}  // namespace jouk
