#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "model/Mdl_ZORAP.hpp"
#include "tests/model/Tolerance.hpp"

namespace jouk {
namespace {

using testing::Near;

// ψ(r, θ) = U·(r − a²/r)·sinθ + K·ln(r/a)
double Psi(double a, double r, double K, double U, double sinTheta) {
  return U * (r - a * a / r) * sinTheta + K * std::log(r / a);
}

TEST(StreamlineRadius, CircleItselfIsFoundAfterOneUpdate) {
  for (const double sinTheta : {1.0, -1.0}) {
    int converged = -1;
    double r = -1;
    StreamlineRadius(0.25, 0.25, 0.0, 0.0, 1.0, sinTheta, converged, r);
    EXPECT_EQ(converged, 1);
    EXPECT_TRUE(Near(r, 0.25, 1e-15));
  }
}

TEST(StreamlineRadius, SolvesTheStreamFunctionForGivenAngle) {
  struct Case {
    double psi, K, U, sinTheta, r0;
  };
  const double a = 0.2733478;
  for (const Case c :
       {Case{0.07, 0.0693729, 1, 1, a}, Case{-0.07, 0.0693729, 1, -1, a},
        Case{0.21, 0.0693729, 1, std::sin(1.2), 0.5}, Case{0.14, -0.05, 2, 0.8, 0.4}}) {
    int converged = 0;
    double r = 0;
    StreamlineRadius(a, c.r0, c.psi, c.K, c.U, c.sinTheta, converged, r);
    ASSERT_EQ(converged, 1) << "psi " << c.psi;
    EXPECT_GT(r, a);
    // The step tolerance of 1e-7 on r bounds the residual in psi accordingly.
    EXPECT_TRUE(Near(Psi(a, r, c.K, c.U, c.sinTheta), c.psi, 1e-6)) << "psi " << c.psi;
  }
}

TEST(StreamlineRadius, ReturnsTheImageOfTheLastIterate) {
  // With K = 0 and sinθ = 1, g(r) = a²/r + psi; the returned value is g(x1), not x1.
  const double a = 0.3, psi = 0.5;
  int converged = 0;
  double r = 0;
  StreamlineRadius(a, a, psi, 0.0, 1.0, 1.0, converged, r);
  ASSERT_EQ(converged, 1);
  const double root = (psi + std::sqrt(psi * psi + 4 * a * a)) / 2;
  EXPECT_TRUE(Near(r, root, 2e-7));
}

// The iteration as documented, without a bound on its passes: x1 = x2 = r0; each pass averages
// x1 with x2, updates x2 = g(x1) and stops once |x2 − x1| ≤ 1e-7. Returns the number of updates
// it takes and the image x2 it ends on.
struct Settled {
  int updates;
  double image;
};
Settled SettleWithoutBound(double a, double r0, double psi, double K, double U, double sinTheta) {
  double x1 = r0, x2 = r0;
  for (int updates = 1;; ++updates) {
    x1 = (x2 + x1) / 2;
    x2 = a * a / x1 + ((psi - K * std::log(x1 / a)) / U) / sinTheta;
    if (!(std::fabs(x2 - x1) > 1e-7)) return {updates, x2};
  }
}

// A stream-function value far off the circle makes every update halve the distance to the root
// (g is nearly flat there), so the number of updates grows by one each time psi doubles. Cases
// placed right at the bound: one that settles on the 49th and last allowed update, returning
// exactly the image it ends on, and one that would need a 50th and so gives up.
TEST(StreamlineRadius, SettlesOnTheLastAllowedUpdateAndGivesUpOneLater) {
  const double a = 0.25;
  bool lastAllowed = false, oneTooMany = false;
  for (double psi = 1e6; psi < 1e9 && !(lastAllowed && oneTooMany); psi *= 1.01) {
    const Settled expected = SettleWithoutBound(a, a, psi, 0.0, 1.0, 1.0);
    int converged = -1;
    double r = -42.0;
    StreamlineRadius(a, a, psi, 0.0, 1.0, 1.0, converged, r);
    if (expected.updates == 49) {
      lastAllowed = true;
      EXPECT_EQ(converged, 1) << "psi " << psi;
      EXPECT_EQ(r, expected.image) << "psi " << psi;  // the image, bit for bit
    } else if (expected.updates == 50) {
      oneTooMany = true;
      EXPECT_EQ(converged, 0) << "psi " << psi;
      EXPECT_EQ(r, -42.0) << "psi " << psi;
    }
  }
  EXPECT_TRUE(lastAllowed && oneTooMany);
}

// The tolerance is absolute and the comparison strict: a first step of exactly 1e-7 settles at
// once. Around 2^-24 every sum here is exact: g(a) = a²/a + psi = a + 1e-7 with no rounding.
TEST(StreamlineRadius, AStepEqualToTheToleranceSettles) {
  const double a = 0x1p-24, psi = 1e-7;
  ASSERT_EQ((a * a / a + psi) - a, 1e-7);
  int converged = 0;
  double r = 0;
  StreamlineRadius(a, a, psi, 0.0, 1.0, 1.0, converged, r);
  EXPECT_EQ(converged, 1);
  EXPECT_EQ(r, a + psi);
}

// Start values whose iterations end on steps between 1e-7 and 1e-6: the result is exactly the
// image of the pass that first meets 1e-7, not of an earlier one.
TEST(StreamlineRadius, StopsExactlyWhereTheStepFirstMeetsTheTolerance) {
  const double a = 0.2733478, K = 0.0693729;
  for (const double psi : {0.07, 0.21, 0.35, 0.7}) {
    for (const double sinTheta : {1.0, 0.5, 0.1}) {
      const Settled expected = SettleWithoutBound(a, a, psi, K, 1.0, sinTheta);
      ASSERT_LT(expected.updates, 50);
      int converged = 0;
      double r = 0;
      StreamlineRadius(a, a, psi, K, 1.0, sinTheta, converged, r);
      EXPECT_EQ(converged, 1);
      EXPECT_EQ(r, expected.image) << psi << " " << sinTheta;
    }
  }
}

TEST(StreamlineRadius, GivingUpLeavesTheRadiusAsItWas) {
  // A huge stream-function value halves its distance per update and cannot settle in 49.
  int converged = 1;
  double r = 42.0;
  StreamlineRadius(0.25, 0.25, 1e10, 0.0, 1.0, 1.0, converged, r);
  EXPECT_EQ(converged, 0);
  EXPECT_EQ(r, 42.0);
}

struct DomainCase {
  const char* name;
  double a, r0, psi, K, U, sinTheta;
};
void PrintTo(const DomainCase& c, std::ostream* os) {
  *os << c.name;
}

class StreamlineRadiusDomain : public ::testing::TestWithParam<DomainCase> {};

TEST_P(StreamlineRadiusDomain, ReportsNotConvergedAndKeepsRadius) {
  const DomainCase& c = GetParam();
  int converged = 1;
  double r = 7.0;
  StreamlineRadius(c.a, c.r0, c.psi, c.K, c.U, c.sinTheta, converged, r);
  EXPECT_EQ(converged, 0);
  EXPECT_EQ(r, 7.0);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Inputs, StreamlineRadiusDomain,
    ::testing::Values(DomainCase{"sin_theta_zero", 0.25, 0.25, 0.07, 0.05, 1, 0.0},
                      DomainCase{"radius_zero", 0.0, 0.25, 0.07, 0.05, 1, 1},
                      DomainCase{"radius_negative", -0.25, 0.25, 0.07, 0.05, 1, 1},
                      DomainCase{"speed_zero", 0.25, 0.25, 0.07, 0.05, 0, 1},
                      DomainCase{"iterate_turns_negative", 0.25, 0.25, -10, 0, 1, 1},
                      DomainCase{"start_negative", 0.25, -1, 0.07, 0, 1, 1},
                      DomainCase{"start_nan", 0.25, kNaN, 0.07, 0, 1, 1},
                      DomainCase{"psi_nan", 0.25, 0.25, kNaN, 0, 1, 1},
                      DomainCase{"psi_infinite", 0.25, 0.25, kInf, 0, 1, 1},
                      DomainCase{"sin_theta_nan", 0.25, 0.25, 0.07, 0, 1, kNaN}),
    [](const ::testing::TestParamInfo<DomainCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace jouk
