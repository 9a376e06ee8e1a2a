#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "Mdl_ZORAP.hpp"
#include "Tolerance.hpp"

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
