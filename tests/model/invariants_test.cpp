// Properties that every accepted parameter set must give, checked over thousands of sets drawn
// across every scroll bar's range and beyond it (values only typing can reach).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "model/Mdl_Common.hpp"
#include "model/Mdl_ZORAP.hpp"
#include "model/NumberText.hpp"
#include "model/Recompute.hpp"
#include "tests/model/Tolerance.hpp"

namespace jouk {
namespace {

using testing::Near;

struct Polygon {
  std::vector<double> x, y;
  double xMin = 1e300, xMax = -1e300, yMin = 1e300, yMax = -1e300;
};

// The section outline after a recompute, resolved with n points, built from the same circle,
// map and turn as the solution.
Polygon FineSection(const FlowState& st, int n) {
  const CircleGeometry g = CircleFor(st.Eps, st.Mu, st.nExp);
  const double xc = st.Eps * (-g.b), yc = st.Mu * g.b;
  Polygon p;
  for (int i = 0; i < n; ++i) {
    const double theta = st.TwoPi * i / n;
    const MappedPoint m =
        MapPoint(xc + g.a * std::cos(theta), yc + g.a * std::sin(theta), g.b, st.nB, st.nExp);
    const double x = m.x * st.CosAlfa + m.y * st.SinAlfa;
    const double y = m.y * st.CosAlfa - m.x * st.SinAlfa;
    p.x.push_back(x);
    p.y.push_back(y);
    p.xMin = std::min(p.xMin, x);
    p.xMax = std::max(p.xMax, x);
    p.yMin = std::min(p.yMin, y);
    p.yMax = std::max(p.yMax, y);
  }
  return p;
}

// Even-odd rule; points on the outline count as outside.
bool Inside(const Polygon& p, double x, double y) {
  if (x < p.xMin || x > p.xMax || y < p.yMin || y > p.yMax) return false;
  bool in = false;
  const std::size_t n = p.x.size();
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    if ((p.y[i] > y) != (p.y[j] > y) &&
        x < (p.x[j] - p.x[i]) * (y - p.y[i]) / (p.y[j] - p.y[i]) + p.x[i]) {
      in = !in;
    }
  }
  return in;
}

// Distance from (x, y) to the outline, for telling a point inside from one on the surface.
double DistanceToOutline(const Polygon& p, double x, double y) {
  double best = 1e300;
  const std::size_t n = p.x.size();
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    const double ex = p.x[i] - p.x[j], ey = p.y[i] - p.y[j];
    const double len2 = ex * ex + ey * ey;
    double t = len2 > 0 ? ((x - p.x[j]) * ex + (y - p.y[j]) * ey) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    best = std::min(best, std::hypot(x - p.x[j] - t * ex, y - p.y[j] - t * ey));
  }
  return best;
}

std::string Text(double v) {
  return NumberToText(v);
}

// A parameter set: mostly scroll-bar values, sometimes typed values beyond them.
ParameterTexts Draw(std::mt19937& rng) {
  std::uniform_real_distribution<double> u(0, 1);
  const auto pick = [&](int lo, int hi) { return lo + static_cast<int>(rng() % (hi - lo + 1)); };
  const bool typed = u(rng) < 0.3;
  ParameterTexts t;
  t.Delta = Text(pick(0, typed ? 31 : 30) / 100.0);
  t.Gama = Text(pick(0, typed ? 16 : 14) / 100.0);
  t.Alfa = typed ? Text(std::round(-90 + 180 * u(rng))) : Text(pick(-10, 30));
  t.iKutta = typed ? Text(std::round(-10 + 40 * u(rng)) / 10) : Text(pick(0, 10) / 10.0);
  t.Olcek = typed ? Text(0.05 + 6 * u(rng)) : Text(pick(5, 30) / 10.0);
  t.dPsi =
      typed ? Text(std::exp(std::log(1e-3) + u(rng) * std::log(2e3))) : Text(pick(1, 10) / 100.0);
  t.kMax = typed ? Text(2 + 18 * u(rng)) : Text(pick(1, 5) * 2);
  t.dR = typed ? Text(std::exp(std::log(5e-4) + u(rng) * std::log(1e3))) : "0.01";
  return t;
}

std::string Describe(const ParameterTexts& t) {
  return "delta " + t.Delta + " gamma " + t.Gama + " alpha " + t.Alfa + " kutta " + t.iKutta +
         " scale " + t.Olcek + " dpsi " + t.dPsi + " nsl " + t.kMax + " dr " + t.dR;
}

TEST(Invariants, HoldForEveryAcceptedParameterSet) {
  std::mt19937 rng(20261208);
  FlowState st;
  LoadInitialisation(st);
  FlowState before, again;  // reused, so that copies do not allocate afresh
  int accepted = 0, rejected = 0, pointsChecked = 0;
  for (int n = 0; n < 2500; ++n) {
    const ParameterTexts t = Draw(rng);
    SCOPED_TRACE(Describe(t));
    before = st;
    const RecomputeStatus status = Recompute(st, t);
    if (!status.ok) {
      ++rejected;
      ASSERT_FALSE(status.message.empty());
      ASSERT_TRUE(st == before);
      continue;
    }
    ++accepted;
    ASSERT_GE(st.kMax, 2);
    ASSERT_LE(st.kMax, 20);
    const int kLast = LastStreamline(st, st.kMax);
    ASSERT_EQ(kLast, static_cast<int>(std::floor(st.kMax)));
    ASSERT_EQ(st.nPts[0], 51);
    EXPECT_TRUE(Near(st.XS(0, 51), st.XS(0, 1), 1e-9));
    EXPECT_TRUE(Near(st.YS(0, 51), st.YS(0, 1), 1e-9));
    EXPECT_TRUE(Near(st.XS(0, 1), -st.nB * st.CosAlfa, 1e-12));
    EXPECT_TRUE(Near(st.YS(0, 1), st.nB * st.SinAlfa, 1e-12));
    EXPECT_EQ(st.nPts[1], st.nPts[2]);
    EXPECT_LE(st.nPts[1], kLastPoint);
    for (int k = 3; k <= kLast; ++k) {
      EXPECT_EQ(st.nPts[k] % 2, 1) << "streamline " << k;
      EXPECT_LE(st.nPts[k], 2 * kMaxHalfPoints - 1);
    }
    const Polygon section = FineSection(st, 4000);
    for (int k = 0; k <= kLast; ++k) {
      for (int i = 1; i <= st.nPts[k]; ++i) {
        const double x = st.XS(k, i), y = st.YS(k, i);
        ASSERT_TRUE(std::isfinite(x) && std::isfinite(y)) << k << "," << i;
        if (k >= 3 && Inside(section, x, y)) {
          // Points on the outline itself (within rounding) are not inside.
          EXPECT_LT(DistanceToOutline(section, x, y), 1e-9)
              << "streamline " << k << " point " << i << " inside the section";
        }
        ++pointsChecked;
      }
    }
    again = st;
    ASSERT_TRUE(Recompute(again, t).ok);
    EXPECT_TRUE(again.XS == st.XS && again.YS == st.YS && again.nPts == st.nPts);
  }
  EXPECT_GT(accepted, 1500);
  EXPECT_GT(rejected, 10);
  std::printf("parameter sets: %d accepted, %d rejected; points checked: %d\n", accepted, rejected,
              pointsChecked);
}

}  // namespace
}  // namespace jouk
