// The complex form of the map: the same image as the recompute's MapPoint on the same points,
// its inverse on the branch outside the circle (across the square root's branch cut too), its
// derivative, the turn and its inverse, and defined values at the singular points ±b.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "model/ConformalMap.hpp"
#include "model/MathConstants.hpp"
#include "model/Mdl_ZORAP.hpp"
#include "model/Recompute.hpp"
#include "tests/model/Tolerance.hpp"

namespace jouk {
namespace {

using testing::Near;

// The start-up section's mapping length and a round one.
constexpr double kStartupB = 0.24786008683047418;
constexpr double kRoundB = 0.25;

::testing::AssertionResult Close(Complex actual, Complex expected, double scale) {
  const double tol = 1e-12 * (std::abs(expected) + scale);
  const ::testing::AssertionResult x = Near(actual.real(), expected.real(), tol);
  const ::testing::AssertionResult y = Near(actual.imag(), expected.imag(), tol);
  if (x && y) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " differs from " << expected;
}

// A grid over the picture's world window |x| ≤ 3, |y| ≤ 2, the axes and the slit included.
std::vector<Complex> WorldWindow() {
  std::vector<Complex> points;
  for (int i = -60; i <= 60; ++i) {
    for (int j = -40; j <= 40; ++j) points.emplace_back(0.05 * i, 0.05 * j);
  }
  return points;
}

TEST(ConformalMap, MirroredMapIsTheRecomputesMapPoint) {
  for (const double b : {kStartupB, kRoundB}) {
    for (const Complex zeta : WorldWindow()) {
      if (std::abs(zeta - b) < 1e-9 || zeta == 0.0) continue;  // MapPoint's edge rule; the pole
      const MappedPoint m = MapPoint(zeta.real(), zeta.imag(), b, 2 * b, 2);
      EXPECT_TRUE(Close(Mirror(Joukowsky(zeta, b)), Complex(m.x, m.y), b)) << zeta;
    }
    // On the circle |ζ| = b, where MapPoint takes its angle as π/2, and around it.
    for (int k = 0; k < 64; ++k) {
      const double theta = kTwoPi * (k + 0.5) / 64;
      for (const double r : {b, b * (1 - 1e-9), b * (1 + 1e-9), 0.5 * b, 2 * b}) {
        const Complex zeta = std::polar(r, theta);
        const MappedPoint m = MapPoint(zeta.real(), zeta.imag(), b, 2 * b, 2);
        EXPECT_TRUE(Close(Mirror(Joukowsky(zeta, b)), Complex(m.x, m.y), b)) << zeta;
      }
    }
  }
}

TEST(ConformalMap, TheAboutEdgeFormIsTheSameMap) {
  const double b = kStartupB;
  for (const Complex zeta : WorldWindow()) {
    if (zeta == 0.0) continue;
    EXPECT_TRUE(Close(JoukowskyAboutEdge(zeta - b, zeta, b), Joukowsky(zeta, b), b)) << zeta;
  }
}

TEST(ConformalMap, InverseUndoesTheMapOutsideTheCircle) {
  for (const double b : {kStartupB, kRoundB}) {
    for (const Complex zeta : WorldWindow()) {
      if (std::abs(zeta) < b * (1 + 1e-6)) continue;
      EXPECT_TRUE(Close(InverseJoukowsky(Joukowsky(zeta, b), b), zeta, b)) << zeta;
    }
  }
}

TEST(ConformalMap, MapUndoesTheInverseOverTheWorldWindow) {
  const double b = kStartupB;
  for (const double alfa : {0.0, 5.0, -10.0, 30.0}) {
    const double c = std::cos(alfa * kPi / 180);
    const double s = std::sin(alfa * kPi / 180);
    for (const Complex p : WorldWindow()) {
      const Complex zeta = CirclePoint(p, b, c, s);
      EXPECT_GE(std::abs(zeta), b * (1 - 1e-12)) << p;  // the branch outside the circle
      EXPECT_TRUE(Close(PicturePoint(zeta, b, c, s), p, b)) << p << " at α " << alfa;
    }
  }
}

// Where w² − 4b² is a negative real number (w on the slit from −2b to 2b, or on the imaginary
// axis) the complex root jumps sign; the preimage must not.
TEST(ConformalMap, InverseIsContinuousAcrossTheRootsBranchCut) {
  const double b = kRoundB;
  const double tiny = std::numeric_limits<double>::denorm_min();
  for (const double y : {0.01, 0.3, 1.0, -0.01, -0.3, -1.0}) {
    const Complex left = InverseJoukowsky(Complex(-tiny, y), b);
    const Complex right = InverseJoukowsky(Complex(tiny, y), b);
    const Complex on = InverseJoukowsky(Complex(0.0, y), b);
    EXPECT_TRUE(Close(left, right, b)) << y;
    EXPECT_TRUE(Close(on, right, b)) << y;
    EXPECT_GT(std::abs(on), b);
    // ζ = iη with T(iη) = i(η − b²/η): the imaginary axis outside the circle.
    EXPECT_NEAR(on.real(), 0, 1e-15);
    EXPECT_GT(on.imag() * y, 0);
  }
  // Above and below the slit: the upper and the lower half of the circle's outside.
  for (const double x : {-0.4, 0.0, 0.1, 0.49}) {
    const Complex above = InverseJoukowsky(Complex(x, 1e-12), b);
    const Complex below = InverseJoukowsky(Complex(x, -1e-12), b);
    EXPECT_GE(std::abs(above), b * (1 - 1e-12));
    EXPECT_GT(above.imag(), 0) << x;
    EXPECT_LT(below.imag(), 0) << x;
    // On the slit itself both preimages lie on the circle; either maps back.
    const Complex on = InverseJoukowsky(Complex(x, 0.0), b);
    EXPECT_NEAR(std::abs(on), b, 1e-15);
    EXPECT_TRUE(Close(Joukowsky(on, b), Complex(x, 0.0), b));
  }
}

TEST(ConformalMap, SingularPointsHaveDefinedValues) {
  for (const double b : {kStartupB, kRoundB}) {
    EXPECT_EQ(Joukowsky(b, b), Complex(2 * b, 0));
    EXPECT_EQ(Joukowsky(-b, b), Complex(-2 * b, 0));
    EXPECT_EQ(JoukowskyDerivative(b, b), Complex(0, 0));
    EXPECT_EQ(JoukowskyDerivative(-b, b), Complex(0, 0));
    EXPECT_EQ(InverseJoukowsky(2 * b, b), Complex(b, 0));
    EXPECT_EQ(InverseJoukowsky(-2 * b, b), Complex(-b, 0));
    for (const Complex v : {Complex(0, 0), Complex(1, 0), Complex(0.3, -0.2)}) {
      EXPECT_EQ(PictureSpeed(v, b, b), HUGE_VAL);
      EXPECT_EQ(PictureSpeed(v, -b, b), HUGE_VAL);
    }
    // The pole ζ = 0 inside the circle, and its image w = 0 whose preimages ±ib lie on it.
    EXPECT_EQ(Joukowsky(0.0, b).real(), HUGE_VAL);
    EXPECT_EQ(JoukowskyDerivative(0.0, b).real(), -HUGE_VAL);
    EXPECT_EQ(PictureSpeed(1.0, 0.0, b), 0);
    EXPECT_NEAR(std::abs(InverseJoukowsky(0.0, b)), b, 1e-16);
    EXPECT_EQ(InverseJoukowsky(Complex(HUGE_VAL, 0), b).real(), HUGE_VAL);
  }
}

TEST(ConformalMap, DerivativeAndSpeed) {
  const double b = kStartupB;
  const double h = 1e-6;
  for (const Complex zeta : {Complex(0.3, 0.1), Complex(-0.2, 0.25), Complex(2, -1.5)}) {
    const Complex numeric = (Joukowsky(zeta + h, b) - Joukowsky(zeta - h, b)) / (2 * h);
    const Complex exact = JoukowskyDerivative(zeta, b);
    EXPECT_NEAR(exact.real(), numeric.real(), 1e-8);
    EXPECT_NEAR(exact.imag(), numeric.imag(), 1e-8);
    EXPECT_TRUE(Close(exact, 1.0 - b * b / (zeta * zeta), 1));
    EXPECT_TRUE(Close(JoukowskyDerivative(zeta - b, zeta + b, zeta), exact, 1));
    const Complex v(0.7, -0.4);
    EXPECT_TRUE(Near(PictureSpeed(v, zeta, b), std::abs(v) / std::abs(exact), 1e-15));
  }
  // Far away the map is the identity: the free stream keeps its speed.
  EXPECT_TRUE(Near(PictureSpeed(1.0, Complex(1e6, 3e5), b), 1, 1e-12));
}

TEST(ConformalMap, TurnIsTheRecomputesAndUnturnUndoesIt) {
  FlowState st;
  LoadInitialisation(st);
  ASSERT_TRUE(Recompute(st, ParameterTexts{.Alfa = "12"}).ok);
  const double c = st.CosAlfa;
  const double s = st.SinAlfa;
  for (const Complex f : WorldWindow()) {
    const Complex p = TurnByAngle(f, c, s);
    EXPECT_EQ(p.real(), f.real() * c + f.imag() * s);  // the recompute's turn, bit for bit
    EXPECT_EQ(p.imag(), f.imag() * c - f.real() * s);
    EXPECT_TRUE(Close(UnturnByAngle(p, c, s), f, 1)) << f;
  }
  EXPECT_EQ(Mirror(Mirror(Complex(0.3, -0.7))), Complex(0.3, -0.7));
  EXPECT_EQ(Mirror(Complex(0.3, -0.7)), Complex(-0.3, -0.7));
}

// The shared form carries the recompute's circle-plane streamlines onto its picture points, and
// back: beside the trailing edge of a cambered section the flow lies inside |ζ| = b, where only
// the preimage outside the generating circle is the flow's point.
TEST(ConformalMap, ChainGivesTheRecomputesStreamlines) {
  for (const ParameterTexts& texts :
       {ParameterTexts{}, ParameterTexts{.Delta = "0.3", .Gama = "0.14", .Alfa = "-10"},
        ParameterTexts{.Delta = "0", .Gama = "0", .Alfa = "8"}}) {
    FlowState st;
    LoadInitialisation(st);
    ASSERT_TRUE(Recompute(st, texts).ok);
    FlowState circle = st;
    CircleStreamlines(circle);
    const double b = st.nB / 2;
    const Complex zc(-st.Eps * b, st.Mu * b);
    int inside = 0;
    for (int i = 0; i <= 10; ++i) {
      for (int j = 1; j <= st.nPts[i]; ++j) {
        const Complex zeta(circle.XS(i, j), circle.YS(i, j));
        const Complex p = PicturePoint(zeta, b, st.CosAlfa, st.SinAlfa);
        EXPECT_TRUE(Close(p, Complex(st.XS(i, j), st.YS(i, j)), b)) << i << ' ' << j;
        if (std::abs(zeta - b) < 1e-3 || std::abs(zeta + b) < 1e-3) continue;  // the edges
        const Complex back = FlowCirclePoint(p, b, st.CosAlfa, st.SinAlfa, zc);
        if (st.Eps == 0 && st.Mu == 0 && std::fabs(std::abs(zeta) - b) < 1e-12) {
          // The flat plate's surface: both sides of the slit are the same picture point.
          EXPECT_TRUE(Close(back, zeta, b) || Close(back, std::conj(zeta), b)) << j;
          continue;
        }
        EXPECT_TRUE(Close(back, zeta, b)) << i << ' ' << j;
        inside += std::abs(zeta) < b;
      }
    }
    EXPECT_EQ(inside > 0, st.Mu != 0) << texts.Delta << ' ' << texts.Gama;
  }
}

}  // namespace
}  // namespace jouk
