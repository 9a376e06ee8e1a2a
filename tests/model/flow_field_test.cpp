// The flow at any point: the inverse map undone by the forward map over the world window, the
// stream function constant along every computed streamline, the surface speed at the contour,
// the free stream far away, rest at the stagnation points and defined values at the singular
// points of the map.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/FlowField.hpp"
#include "model/MathConstants.hpp"
#include "model/Mdl_ZORAP.hpp"
#include "model/Recompute.hpp"
#include "tests/model/Tolerance.hpp"

namespace jouk {
namespace {

using testing::Near;

struct Case {
  const char* name;
  ParameterTexts texts;
};

ParameterTexts Texts(const char* delta, const char* gamma, const char* alfa, const char* kutta,
                     const char* olcek = "1") {
  return ParameterTexts{
      .Delta = delta, .Gama = gamma, .Alfa = alfa, .iKutta = kutta, .Olcek = olcek};
}

// Sections round and sharp-nosed, with and without the Kutta condition, at several angles.
const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"startup", ParameterTexts{}},
      {"thick_cambered_alpha20", Texts("0.2", "0.06", "20", "1", "2")},
      {"symmetric_alpha0", Texts("0.12", "0", "0", "1")},
      {"kutta_half", Texts("0.12", "0.02", "8", "0.5")},
      {"no_circulation", Texts("0.1", "0.04", "-6", "0")},
      {"circular_arc", Texts("0", "0.04", "4", "1")},
  };
  return cases;
}

struct Solved {
  FlowState st;
  FieldFlow flow;
};

Solved Solve(const ParameterTexts& texts) {
  Solved s;
  LoadInitialisation(s.st);
  EXPECT_TRUE(Recompute(s.st, texts).ok);
  MessageId reason{};
  EXPECT_TRUE(MakeFieldFlow(s.st, s.flow, reason));
  return s;
}

// ψk of streamline k as the solver assigns it: 0 for the dividing streamline, then +1, −1, +2,
// … times dPsi.
double PsiOf(int k, double dPsi) {
  if (k < 3) return 0;
  const double up = dPsi * (k / 2);
  return k % 2 == 1 ? up : -dPsi * ((k - 1) / 2);
}

TEST(FlowField, ForwardUndoesTheInverseOverTheWorldWindow) {
  for (const Case& c : Cases()) {
    const Solved s = Solve(c.texts);
    const double o = s.st.Olcek;
    int outside = 0;
    for (int i = -60; i <= 60; ++i) {
      for (int j = -40; j <= 40; ++j) {
        const Complex P(o * i / 60.0, o * j / 60.0);
        const FieldValue v = EvaluateField(s.flow, P);
        if (v.inside) continue;
        ++outside;
        const Complex back = FieldPicturePoint(s.flow, v.circle);
        EXPECT_TRUE(Near(back.real(), P.real(), 1e-12 * o)) << c.name << " at " << P;
        EXPECT_TRUE(Near(back.imag(), P.imag(), 1e-12 * o)) << c.name << " at " << P;
      }
    }
    EXPECT_GT(outside, 9000) << c.name;
  }
}

// The radius iteration stops when an update moves the radius by at most kRadiusTolerance: the
// point's ψ then misses ψk by at most U·|sin θ|·tol, and the radius returned lies within tol of
// that estimate, where |∂ψ/∂r| ≤ U·(1 + a²/r²) + |K|/r ≤ 4U. So |ψ − ψk| ≤ 5·tol, the map's
// rounding (some 1e-15) aside.
constexpr double kPsiBound = 5 * kRadiusTolerance;

TEST(FlowField, StreamFunctionIsConstantAlongEveryStreamline) {
  for (const Case& c : Cases()) {
    const Solved s = Solve(c.texts);
    const int kLast = LastStreamline(s.st, s.st.kMax);
    double worst = 0;
    for (int k = 1; k <= kLast; ++k) {
      for (int j = 1; j <= s.st.nPts[k]; ++j) {
        const FieldValue v = EvaluateField(s.flow, Complex(s.st.XS(k, j), s.st.YS(k, j)));
        ASSERT_FALSE(v.inside) << c.name << " streamline " << k << " point " << j;
        worst = std::max(worst, std::fabs(v.psi - PsiOf(k, s.st.dPsi)));
      }
    }
    EXPECT_LE(worst, kPsiBound) << c.name;
  }
}

// The contour point at circle angle x from the trailing edge, pushed out from the centre by the
// factor 1 + 1e-9 so that it lies in the flow.
Complex JustOutside(const FieldFlow& flow, double x) {
  const SurfaceFlow& f = flow.surface;
  const Complex zeta =
      f.b + Complex(0, 2 * f.a * std::sin(x / 2)) * std::polar(1.0, x / 2 - f.beta);
  return flow.centre + (zeta - flow.centre) * (1 + 1e-9);
}

TEST(FlowField, SpeedAtTheContourIsTheSurfaceSpeed) {
  for (const Case& c : Cases()) {
    const Solved s = Solve(c.texts);
    for (int k = 1; k < 720; ++k) {
      const double x = kTwoPi * k / 720;
      const SurfaceValue sv = EvaluateSurface(s.flow.surface, x, x - s.flow.surface.sharpEdgeAngle);
      if (!sv.bounded) continue;
      const FieldValue fv = FieldAtCirclePoint(s.flow, JustOutside(s.flow, x));
      ASSERT_FALSE(fv.inside) << c.name << " x " << x;
      EXPECT_TRUE(Near(fv.speed, sv.speed, 1e-6 * (1 + sv.speed))) << c.name << " x " << x;
      EXPECT_TRUE(Near(fv.psi, 0, 1e-8)) << c.name << " x " << x;  // the body is ψ = 0
    }
  }
}

TEST(FlowField, SpeedTendsToTheFreeStreamFarAway) {
  for (const Case& c : Cases()) {
    const Solved s = Solve(c.texts);
    for (const double r : {1e2, 1e4, 1e6}) {
      for (int k = 0; k < 16; ++k) {
        const FieldValue v = EvaluateField(s.flow, std::polar(r, kTwoPi * k / 16));
        // dw/dz − U = −U·a²/z² + iK/z: |V − U| ≤ (a² + |K|·r)/r² up to the map's b²/ζ² term.
        const double bound = 2 * (std::fabs(s.flow.surface.K) + 1) / r;
        EXPECT_TRUE(Near(v.speed, 1, bound)) << c.name << " r " << r;
        EXPECT_TRUE(Near(v.cp, 0, 2.5 * bound)) << c.name << " r " << r;
      }
    }
  }
}

// The circle-plane point of a computing-frame point z, as the solver places it.
Complex Placed(const FieldFlow& flow, Complex z) {
  return UnturnByAngle(z, flow.surface.cosAlfa, flow.surface.sinAlfa) + flow.centre;
}

TEST(FlowField, SpeedVanishesAtTheStagnationPoints) {
  for (const Case& c : Cases()) {
    const Solved s = Solve(c.texts);
    for (const Complex zs : {s.flow.rear, s.flow.front}) {
      const bool trailingEdge = zs == s.flow.rear && s.flow.trailingEdgeStagnant;
      const bool leadingEdge = zs == s.flow.front && s.flow.leadingEdgeStagnant;
      if (trailingEdge || leadingEdge) continue;  // there the map's finite limit (below)
      const FieldValue v = FieldAtCirclePoint(s.flow, Placed(s.flow, zs * (1 + 1e-12)));
      EXPECT_FALSE(v.inside) << c.name;
      EXPECT_TRUE(Near(v.speed, 0, 1e-9)) << c.name << " at " << zs;
      EXPECT_TRUE(Near(v.cp, 1, 1e-9)) << c.name << " at " << zs;
    }
  }
}

TEST(FlowField, TrailingEdgeHasItsFiniteSpeedUnderTheKuttaCondition) {
  for (const Case& c : Cases()) {
    const Solved s = Solve(c.texts);
    const SurfaceFlow& f = s.flow.surface;
    // The picture's trailing edge, (−2b·cos α, 2b·sin α), and the circle-plane point b itself.
    const Complex edge(-2 * f.b * f.cosAlfa, 2 * f.b * f.sinAlfa);
    for (const FieldValue& v : {EvaluateField(s.flow, edge), FieldAtCirclePoint(s.flow, f.b)}) {
      EXPECT_FALSE(v.inside) << c.name;
      EXPECT_FALSE(std::isnan(v.speed) || std::isnan(v.cp) || std::isnan(v.psi)) << c.name;
      if (s.flow.trailingEdgeStagnant) {
        ASSERT_TRUE(v.bounded) << c.name;
        const double limit = f.U * (f.b / f.a) * std::cos(f.alpha + f.beta);
        EXPECT_TRUE(Near(v.speed, limit, 1e-7)) << c.name;
        const SurfaceValue sv = EvaluateSurface(f, 0, -f.sharpEdgeAngle);
        EXPECT_TRUE(Near(v.speed, sv.speed, 1e-7)) << c.name;
      } else {
        EXPECT_FALSE(v.bounded) << c.name;
        EXPECT_EQ(v.speed, HUGE_VAL) << c.name;
        EXPECT_EQ(v.cp, -HUGE_VAL) << c.name;
      }
    }
  }
}

TEST(FlowField, SharpLeadingEdgeIsUnboundedUnlessTheFlowRestsThere) {
  const Solved s = Solve(Texts("0", "0.04", "4", "1"));
  ASSERT_TRUE(s.flow.surface.sharpLeadingEdge);
  ASSERT_FALSE(s.flow.leadingEdgeStagnant);
  const FieldValue v = FieldAtCirclePoint(s.flow, -s.flow.surface.b);
  EXPECT_FALSE(v.bounded);
  EXPECT_EQ(v.speed, HUGE_VAL);
  EXPECT_TRUE(std::isfinite(v.psi));
}

TEST(FlowField, NeverANumberThatIsNoneOverTheWorldWindow) {
  for (const Case& c : Cases()) {
    const Solved s = Solve(c.texts);
    const SurfaceFlow& f = s.flow.surface;
    std::vector<Complex> points = {PicturePoint(f.b, f.b, f.cosAlfa, f.sinAlfa),
                                   PicturePoint(-f.b, f.b, f.cosAlfa, f.sinAlfa), 0.0};
    for (int i = -30; i <= 30; ++i) {
      for (int j = -20; j <= 20; ++j) points.emplace_back(i / 30.0, j / 30.0);
    }
    for (const Complex P : points) {
      const FieldValue v = EvaluateField(s.flow, P);
      EXPECT_FALSE(std::isnan(v.speed) || std::isnan(v.cp) || std::isnan(v.psi))
          << c.name << " at " << P;
      if (v.bounded && !v.inside) {
        EXPECT_TRUE(Near(v.cp, 1 - v.speed * v.speed, 0)) << P;
      }
    }
  }
}

TEST(FlowField, APointInsideTheCircleLiesInsideTheSection) {
  for (const Case& c : Cases()) {
    const Solved s = Solve(c.texts);
    if (s.flow.surface.sharpLeadingEdge) continue;  // an arc of zero thickness encloses nothing
    // A point inside the generating circle but outside |ζ| = b, near its top.
    const Complex zeta = s.flow.centre + Complex(0, 0.97 * s.flow.surface.a);
    ASSERT_GT(std::abs(zeta), s.flow.surface.b) << c.name;
    const FieldValue v = EvaluateField(s.flow, FieldPicturePoint(s.flow, zeta));
    EXPECT_TRUE(v.inside) << c.name;
    EXPECT_EQ(v.speed, 0);
    EXPECT_EQ(v.psi, 0);
  }
}

TEST(FlowField, StagesRunFromTheCircleFlowToTheSection) {
  const Solved s = Solve(ParameterTexts{});
  const SurfaceFlow& f = s.flow.surface;
  for (int k = 0; k < 12; ++k) {
    const Complex zeta = s.flow.centre + std::polar(1.5 * f.a, kTwoPi * k / 12);
    // c = 0: the circle's own speed |dw/dz| = |U·(1 − a²/z²) + iK/z|.
    const Complex z = TurnByAngle(zeta - s.flow.centre, f.cosAlfa, f.sinAlfa);
    const double circle = std::abs(f.U * (1.0 - f.a * f.a / (z * z)) + Complex(0, f.K) / z);
    EXPECT_TRUE(Near(FieldAtStagePoint(s.flow, zeta, 0).speed, circle, 1e-14));
    const FieldValue atB = FieldAtStagePoint(s.flow, zeta, f.b);
    const FieldValue section = FieldAtCirclePoint(s.flow, zeta);
    EXPECT_EQ(atB.speed, section.speed);
    EXPECT_EQ(atB.psi, section.psi);
    EXPECT_EQ(FieldAtStagePoint(s.flow, zeta, 0.5 * f.b).psi, section.psi);
  }
  // Half way the singular point c lies inside the circle: there no stagnation point cancels.
  EXPECT_TRUE(FieldAtStagePoint(s.flow, 0.5 * f.b, 0.5 * f.b).inside);
}

TEST(FlowField, NoFieldWithoutASolvedFlow) {
  FlowState st;
  LoadInitialisation(st);
  FieldFlow flow;
  flow.surface.a = 7;
  MessageId reason = MessageId::kNotComputed;
  EXPECT_FALSE(MakeFieldFlow(st, flow, reason));
  EXPECT_EQ(reason, MessageId::kNoFlowYet);
  EXPECT_EQ(flow.surface.a, 7);  // left as it was
}

}  // namespace
}  // namespace jouk
