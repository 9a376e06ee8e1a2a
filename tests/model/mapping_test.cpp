#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <ostream>
#include <string>

#include "model/Mdl_Common.hpp"
#include "model/Mdl_ZORAP.hpp"
#include "model/Recompute.hpp"
#include "model/SectionLookup.hpp"
#include "tests/model/StartupStore.hpp"
#include "tests/model/Tolerance.hpp"

namespace jouk {
namespace {

using testing::Near;

struct MapCase {
  const char* name;
  double X, Y, x, y;
};
void PrintTo(const MapCase& c, std::ostream* os) {
  *os << c.name;
}

class MapPointWorked : public ::testing::TestWithParam<MapCase> {};

TEST_P(MapPointWorked, MatchesTheWorkedValue) {
  const MapCase& c = GetParam();
  const MappedPoint p = MapPoint(c.X, c.Y, 0.25, 0.5, 2);
  EXPECT_TRUE(Near(p.x, c.x, 1e-12));
  EXPECT_TRUE(Near(p.y, c.y, 1e-12));
}

INSTANTIATE_TEST_SUITE_P(Points, MapPointWorked,
                         ::testing::Values(MapCase{"outside", 0.3, 0.1, -0.4875, 0.0375},
                                           MapCase{"left_half", -0.4, 0.2, 0.525, 0.1375},
                                           MapCase{"inside_circle", 0.1, 0.05, -0.6, -0.2},
                                           MapCase{"far", 3, 1, -3.01875, 0.99375},
                                           MapCase{"on_circle_R_equals_1", 0, 0.25, 0, 0}),
                         [](const ::testing::TestParamInfo<MapCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(MapPoint, AgreesWithTheClosedFormOffTheAxis) {
  // X' + iY' = conj(nB·(1 + q²)/(1 − q²)), q = (ζ + xTE)/(ζ − xTE).
  const double xTE = 0.2478601, nB = 2 * xTE;
  for (double X = -1.0; X <= 1.0; X += 0.173) {
    for (double Y = -0.9; Y <= 0.9; Y += 0.211) {
      const std::complex<double> zeta(X, Y);
      const std::complex<double> q = (zeta + xTE) / (zeta - xTE);
      const std::complex<double> image = std::conj(nB * (1.0 + q * q) / (1.0 - q * q));
      const MappedPoint p = MapPoint(X, Y, xTE, nB, 2);
      EXPECT_TRUE(Near(p.x, image.real(), 1e-12)) << X << "," << Y;
      EXPECT_TRUE(Near(p.y, image.imag(), 1e-12)) << X << "," << Y;
    }
  }
}

TEST(MapPoint, TrailingEdgeMapsToMinusNB) {
  const MappedPoint p = MapPoint(0.25, 0.0, 0.25, 0.5, 2);
  EXPECT_EQ(p.x, -0.5);
  EXPECT_EQ(p.y, 0.0);
  // Within rounding of the trailing edge the image stays finite and next to it.
  const MappedPoint q = MapPoint(0.25 + 1e-15, 1e-17, 0.25, 0.5, 2);
  EXPECT_TRUE(Near(q.x, -0.5, 1e-9));
  EXPECT_TRUE(std::isfinite(q.y));
  // A point within rounding of the trailing edge where 1 + R² − 2R·c comes out below zero (only
  // +, −, ×, / and square roots, so the same on every machine): taken as the edge itself.
  const double xTE = 0.2478601, X = 0x1.fb9e1381ba941p-3, Y = -0x1.7330ed380d6e1p-29;
  const double R = std::sqrt(X * X + Y * Y) / xTE;
  ASSERT_LT(1 + R * R - 2 * R * ((X / R) / xTE), 0);
  const MappedPoint edge = MapPoint(X, Y, xTE, 2 * xTE, 2);
  EXPECT_EQ(edge.x, -2 * xTE);
  EXPECT_EQ(edge.y, 0.0);
}

// The start-up section, mapped but not yet turned by the angle of attack.
FlowState MappedStartup() {
  FlowState st = testing::StartupState();
  LookupSection(st, 0.12, 0.02);
  CircleStreamlines(st);
  MapToAirfoilPlane(st);
  return st;
}

TEST(MapToAirfoilPlane, StartUpContour) {
  const FlowState st = MappedStartup();
  EXPECT_EQ(st.XS(0, 1), -st.nB);
  EXPECT_EQ(st.YS(0, 1), 0.0);
  EXPECT_TRUE(Near(st.XS(0, 51), -st.nB, 1e-9));
  EXPECT_TRUE(Near(st.XS(0, 2), -0.491016, 1e-6));
  EXPECT_TRUE(Near(st.YS(0, 2), 0.000435, 1e-6));
  double xMax = -1, yMin = 1, yMax = -1;
  int iMax = 0;
  for (int i = 1; i <= 51; ++i) {
    if (st.XS(0, i) > xMax) {
      xMax = st.XS(0, i);
      iMax = i;
    }
    yMin = std::min(yMin, st.YS(0, i));
    yMax = std::max(yMax, st.YS(0, i));
  }
  EXPECT_TRUE(Near(xMax, 0.50368, 1e-5));
  EXPECT_TRUE(iMax == 26 || iMax == 27);
  EXPECT_TRUE(Near(yMin, -0.04634, 1e-5));
  EXPECT_TRUE(Near(yMax, 0.07590, 1e-5));
}

TEST(MapToAirfoilPlane, UsesTheCirclePlaneTrailingEdgeForEveryPoint) {
  // Point (0, 1) is replaced first; later points must still be normalised by its old x.
  FlowState st = testing::StartupState();
  st.Alfa = 0;
  st.kMax = 2;
  LookupSection(st, 0.12, 0.02);
  CircleStreamlines(st);
  const double xTE = st.XS(0, 1);
  const double X = st.XS(0, 10), Y = st.YS(0, 10);
  MapToAirfoilPlane(st);
  const MappedPoint expected = MapPoint(X, Y, xTE, st.nB, 2);
  EXPECT_EQ(st.XS(0, 10), expected.x);
  EXPECT_EQ(st.YS(0, 10), expected.y);
}

TEST(MapToAirfoilPlane, ZeroThicknessAndCamberGiveTheFlatPlate) {
  FlowState st = testing::StartupState();
  st.Alfa = 0;
  st.kMax = 2;
  LookupSection(st, 0.0, 0.0);
  CircleStreamlines(st);
  MapToAirfoilPlane(st);
  for (int i = 1; i <= 51; ++i) {
    EXPECT_TRUE(Near(st.YS(0, i), 0.0, 1e-12)) << i;
    EXPECT_LE(std::fabs(st.XS(0, i)), st.nB + 1e-12) << i;
  }
  EXPECT_TRUE(Near(st.XS(0, 26), st.nB, 1e-12));
}

}  // namespace
}  // namespace jouk
