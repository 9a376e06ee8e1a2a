#include <gtest/gtest.h>

#include <cmath>

#include "model/Mdl_Common.hpp"
#include "model/Mdl_ZORAP.hpp"
#include "model/Recompute.hpp"
#include "tests/model/StartupStore.hpp"
#include "tests/model/Tolerance.hpp"

namespace jouk {
namespace {

using testing::Near;

using testing::StartupState;

// Undoes the placement of point (k, i): back to the computing frame of the solver.
void ComputingFrame(const FlowState& st, int k, int i, double& x, double& y) {
  const CircleGeometry g = CircleFor(st.Eps, st.Mu, st.nExp);
  const double X = st.XS(k, i) + st.Eps * g.b;
  const double Y = st.YS(k, i) - st.Mu * g.b;
  x = X * st.CosAlfa + Y * st.SinAlfa;
  y = Y * st.CosAlfa - X * st.SinAlfa;
}

TEST(CircleStreamlines, WorkedExampleAtStartUp) {
  FlowState st = StartupState();
  const FlowSetup f = SetUpFlow(st.Alfa, st.Eps, st.Mu, st.iKutta, 2, st.Pi, st.DegToRad);
  EXPECT_TRUE(Near(f.b, 0.2478601, 1e-7));
  EXPECT_TRUE(Near(f.a, 0.2733478, 1e-7));
  EXPECT_TRUE(Near(f.beta, 0.0399714, 1e-7));
  EXPECT_TRUE(Near(f.Gamma, 0.4358825, 1e-7));
  EXPECT_TRUE(Near(f.K, 0.0693729, 1e-7));
  EXPECT_TRUE(Near(st.Eps * -f.b, -0.0252693, 1e-7));
  EXPECT_TRUE(Near(st.Mu * f.b, 0.0109232, 1e-7));

  CircleStreamlines(st);
  EXPECT_TRUE(Near(st.nB, 0.4957202, 1e-7));
  EXPECT_EQ(st.Rmax, 1.0);
  EXPECT_EQ(st.CosAlfa, std::cos(5 * st.DegToRad));
  const std::vector<int> expected{51, 75, 75, 279, 253, 251, 225, 227, 205, 209, 189};
  EXPECT_EQ(st.nPts, expected);
  // Point 1 of the contour and of the dividing streamline both sit at (b, 0).
  for (const int k : {0, 1}) {
    EXPECT_TRUE(Near(st.XS(k, 1), f.b, 1e-12)) << k;
    EXPECT_TRUE(Near(st.YS(k, 1), 0.0, 1e-12)) << k;
  }
  EXPECT_TRUE(Near(st.XS(0, 51), st.XS(0, 1), 1e-15));
  EXPECT_TRUE(Near(st.YS(0, 51), st.YS(0, 1), 1e-15));
}

TEST(CircleStreamlines, ShapeOfEveryStreamlineBeforePlacement) {
  FlowState st = StartupState();
  CircleStreamlines(st);
  // Streamline 2 mirrors streamline 1 (x → −x).
  for (int i = 1; i <= st.nPts[1]; ++i) {
    double x1, y1, x2, y2;
    ComputingFrame(st, 1, i, x1, y1);
    ComputingFrame(st, 2, i, x2, y2);
    EXPECT_TRUE(Near(x2, -x1, 1e-12));
    EXPECT_TRUE(Near(y2, y1, 1e-12));
  }
  for (int k = 3; k <= 10; ++k) {
    const int n = st.nPts[k];
    ASSERT_EQ(n % 2, 1) << k;
    const int m = (n + 1) / 2;
    double x, y;
    ComputingFrame(st, k, m, x, y);
    EXPECT_TRUE(Near(x, 0.0, 1e-12)) << k;
    EXPECT_EQ(y > 0, k % 2 == 1) << "odd streamlines above, even below: " << k;
    ComputingFrame(st, k, 1, x, y);
    EXPECT_LE(x, -st.Rmax + 1e-12) << k;
    ComputingFrame(st, k, n, x, y);
    EXPECT_GE(x, st.Rmax - 1e-12) << k;
  }
}

TEST(CircleStreamlines, NoCirculationRunsTheDividingLineAlongTheAxis) {
  FlowState st = StartupState();
  st.iKutta = 0;
  st.Alfa = 0;
  CircleStreamlines(st);
  const double a = CircleFor(st.Eps, st.Mu, 2).a;
  const int n = st.nPts[1];
  for (int i = 1; i <= n; ++i) {
    double x, y;
    ComputingFrame(st, 1, i, x, y);
    EXPECT_TRUE(Near(y, 0.0, 1e-15));
    double expected = a;
    for (int step = 1; step < i; ++step) expected += st.dR;
    EXPECT_TRUE(Near(x, expected, 1e-12)) << i;
  }
  double xPrev, y;
  ComputingFrame(st, 1, n - 1, xPrev, y);
  EXPECT_LT(xPrev, st.Rmax);
}

// Marching stops at the first point whose abscissa reaches Rmax, a point exactly on it included.
// Without thickness, camber, angle and circulation the circle has the radius 0.25 and the
// dividing streamline runs along the axis at x = 0.25, 0.5, 0.75, 1 exactly: it ends at x = 1.
TEST(CircleStreamlines, MarchingStopsOnAPointExactlyAtRmax) {
  FlowState st = StartupState();
  st.Eps = st.Mu = st.Alfa = st.iKutta = 0;
  st.dR = 0.25;
  st.Olcek = 1;
  CircleStreamlines(st);
  EXPECT_EQ(st.nPts[1], 4);
  EXPECT_EQ(st.XS(1, 4), 1.0);

  // A further streamline likewise: with Rmax set to the abscissa of one of its half points
  // (the solver leaves the last streamline's half in XH), it ends on that point.
  st = StartupState();
  st.kMax = 3;
  st.Olcek = 2;
  CircleStreamlines(st);
  const int m = (st.nPts[3] + 1) / 2;
  int j = 2;
  while (j < m && st.XH[j] < 1) ++j;
  ASSERT_LT(j, m);
  st.Olcek = st.XH[j];
  CircleStreamlines(st);
  EXPECT_EQ(st.nPts[3], 2 * j - 1);
}

TEST(CircleStreamlines, StreamlineCountFollowsKMax) {
  struct Case {
    double kMax;
    std::size_t size;
    int lastComputed;
  };
  // Fractions: nPts is sized by kMax rounded half to even; loops run while k <= kMax.
  for (const Case c : {Case{2, 3, 2}, Case{3, 4, 3}, Case{2.6, 4, 2}, Case{3.5, 5, 3},
                       Case{2.5, 3, 2}, Case{20, 21, 20}, Case{20.4, 21, 20}}) {
    FlowState st = StartupState();
    st.kMax = c.kMax;
    CircleStreamlines(st);
    ASSERT_EQ(st.nPts.size(), c.size) << c.kMax;
    for (std::size_t k = 3; k < st.nPts.size(); ++k) {
      EXPECT_EQ(st.nPts[k] > 0, static_cast<int>(k) <= c.lastComputed) << c.kMax << " k " << k;
    }
  }
  FlowState odd = StartupState();
  odd.kMax = 3;
  CircleStreamlines(odd);
  double x, y;
  ComputingFrame(odd, 3, (odd.nPts[3] + 1) / 2, x, y);
  EXPECT_GT(y, 0) << "an odd last streamline lies above, without a partner below";
}

TEST(CircleStreamlines, WindowSmallerThanTheStagnationPointStillGivesTwoPoints) {
  FlowState st = StartupState();
  st.Olcek = 0.1;
  CircleStreamlines(st);
  EXPECT_EQ(st.nPts[1], 2);
  EXPECT_EQ(st.nPts[2], 2);
}

TEST(CircleStreamlines, StreamlinesEndAtTheLastPointThatFits) {
  FlowState st = StartupState();
  st.dR = 1e-5;
  st.kMax = 20;
  st.Olcek = 3;
  CircleStreamlines(st);
  EXPECT_EQ(st.nPts[1], kLastPoint);
  EXPECT_EQ(st.nPts[2], kLastPoint);
  for (int k = 3; k <= 20; ++k) EXPECT_EQ(st.nPts[k], 2 * kMaxHalfPoints - 1) << k;
  for (int k = 0; k <= 20; ++k) {
    for (int i = 1; i <= st.nPts[k]; ++i) {
      ASSERT_TRUE(std::isfinite(st.XS(k, i)) && std::isfinite(st.YS(k, i))) << k << "," << i;
    }
  }
}

TEST(CircleStreamlines, NoRealPointEndsTheStreamlineAtItsLastValidPoint) {
  // A circulation factor beyond the stagnation limit (as the solver sees it when called
  // directly): the dividing streamline has no start, and radial marching meets |sinθ| > 1.
  FlowState st = StartupState();
  st.Eps = 0.02278;
  st.Mu = 0.26579;
  st.Alfa = 30;
  st.iKutta = 3;
  st.Olcek = 3;
  st.dPsi = 0.35;
  st.dR = 0.005;
  st.kMax = 4;
  CircleStreamlines(st);
  EXPECT_EQ(st.nPts[1], 0);
  EXPECT_EQ(st.nPts[2], 0);
  const int n = st.nPts[3];
  ASSERT_EQ(n % 2, 1);
  double x, y;
  ComputingFrame(st, 3, n, x, y);
  EXPECT_LT(x, st.Rmax) << "ended before reaching the edge of the window";
  EXPECT_LT(n, 2 * kMaxHalfPoints - 1);
  for (int k = 0; k <= 4; ++k) {
    for (int i = 1; i <= st.nPts[k]; ++i) {
      ASSERT_TRUE(std::isfinite(st.XS(k, i)) && std::isfinite(st.YS(k, i)));
    }
  }
}

TEST(CircleStreamlines, FailedFirstSolveFallsBackToBisectionOnTheAxis) {
  // A huge step: the fixed-point iteration cannot settle on the axis within 49 updates.
  FlowState st = StartupState();
  st.Eps = 0;
  st.Mu = 0;
  st.Alfa = 0;
  st.dPsi = 1e9;
  st.kMax = 4;
  int converged = 1;
  double unused = 0;
  StreamlineRadius(0.25, 0.25, 1e9, 0.0, 1.0, 1.0, converged, unused);
  ASSERT_EQ(converged, 0);

  CircleStreamlines(st);
  const double a = 0.25;
  for (const int k : {3, 4}) {
    const int n = st.nPts[k];
    ASSERT_EQ(n % 2, 1) << k;
    const double y = st.YS(k, (n + 1) / 2);
    // r − a²/r = 1e9 on the axis.
    const double r = (1e9 + std::sqrt(1e18 + 4 * a * a)) / 2;
    EXPECT_TRUE(Near(std::fabs(y), r, 1e-6 * r)) << k;
    EXPECT_EQ(y > 0, k == 3);
  }
}

TEST(CircleStreamlines, SecondCallWithFewerPointsLeavesTheRestInPlace) {
  FlowState st = StartupState();
  CircleStreamlines(st);
  const double beyond = st.XS(3, 270);
  st.Olcek = 0.5;
  CircleStreamlines(st);
  ASSERT_LT(st.nPts[3], 270);
  EXPECT_EQ(st.XS(3, 270), beyond);
}

}  // namespace
}  // namespace jouk
