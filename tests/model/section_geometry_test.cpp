#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/Mdl_Common.hpp"
#include "model/Mdl_ZORAP.hpp"
#include "model/SectionGeometry.hpp"
#include "tests/model/Tolerance.hpp"

namespace jouk {
namespace {

using testing::Near;

TEST(MeasureSection, SymmetricSectionIsTheVerticalThicknessOverTheXExtent) {
  // Brute force on the contour by the angle θ from the centre: for Mu = 0 the points at ±θ lie
  // straight above each other, so the thickness at that x is 2·y(θ).
  for (const double eps : {0.00776, 0.0927, 0.30574}) {
    const CircleGeometry g = CircleFor(eps, 0, 2);
    double maxT = 0;
    double minX = 0;
    double maxX = -1;
    const int n = 200000;
    for (int i = 1; i < n; ++i) {
      const double theta = std::numbers::pi * i / n;
      const MappedPoint p =
          MapPoint(-eps * g.b + g.a * std::cos(theta), g.a * std::sin(theta), g.b, 2 * g.b, 2);
      maxT = std::max(maxT, 2 * p.y);
      minX = std::min(minX, p.x);
      maxX = std::max(maxX, p.x);
    }
    minX = std::min(minX, -2 * g.b);  // the trailing edge, θ = 0
    const SectionMeasure m = MeasureSection(eps, 0);
    EXPECT_TRUE(Near(m.chord, maxX - minX, 1e-9)) << eps;
    EXPECT_TRUE(Near(m.thickness, maxT / (maxX - minX), 1e-9)) << eps;
    EXPECT_TRUE(Near(m.camber, 0, 1e-15)) << eps;
  }
}

TEST(MeasureSection, ChordRunsFromTheTrailingEdgeToTheNosePointOnTheXAxis) {
  // Thick and strongly cambered: the nose bulges beyond the chord, and the chord stays 1.
  const SectionCircle s = SectionCircleFor(0.29252, 0.38751);
  const MappedPoint te = SectionPoint(s, 0);
  const MappedPoint nose = SectionPoint(s, std::numbers::pi);
  EXPECT_TRUE(Near(te.x, -2 * s.b, 1e-15));
  EXPECT_TRUE(Near(te.y, 0, 1e-15));
  EXPECT_TRUE(Near(nose.y, 0, 1e-15));
  EXPECT_TRUE(Near(nose.x - te.x, 1, 1e-12));
  EXPECT_TRUE(Near(MeasureSection(0.29252, 0.38751).chord, 1, 1e-12));
  double maxX = nose.x;
  for (int i = 1; i < 1000; ++i) {
    const double omega = std::numbers::pi * i / 1000;
    maxX = std::max({maxX, SectionPoint(s, omega).x, SectionPoint(s, -omega).x});
  }
  EXPECT_GT(maxX, nose.x + 1e-3);
}

TEST(MeasureSection, TracesTheSolversContour) {
  // The 51 contour points of the circle-plane solver at Alfa = 0, before and after the map, are
  // points of the measured section at their own polar angle.
  for (const auto& [eps, mu] : {std::pair{0.10195, 0.04407}, std::pair{0.29252, 0.38751}}) {
    FlowState st;
    LoadInitialisation(st);
    st.Eps = eps;
    st.Mu = mu;
    st.nExp = 2;
    st.iKutta = 1;
    st.kMax = 2;
    st.dR = 0.01;
    st.Olcek = 1;
    CircleStreamlines(st);
    const SectionCircle s = SectionCircleFor(eps, mu);
    FlowState mapped = st;
    MapToAirfoilPlane(mapped);
    for (int i = 2; i <= 50; ++i) {
      const double omega = std::atan2(st.YS(0, i), st.XS(0, i));
      const MappedPoint z = SectionCirclePoint(s, omega);
      EXPECT_TRUE(Near(z.x, st.XS(0, i), 1e-12)) << i;
      EXPECT_TRUE(Near(z.y, st.YS(0, i), 1e-12)) << i;
      const MappedPoint p = SectionPoint(s, omega);
      EXPECT_TRUE(Near(p.x, mapped.XS(0, i), 1e-9)) << i;
      EXPECT_TRUE(Near(p.y, mapped.YS(0, i), 1e-9)) << i;
    }
  }
}

TEST(MeasureSection, RefinementMakesItIndependentOfTheSampling) {
  for (const auto& [eps, mu] :
       {std::pair{0.00751, 0.30226}, std::pair{0.29252, 0.38751}, std::pair{0.1016, 0.11017}}) {
    const SectionMeasure fine = MeasureSection(eps, mu, 8192);
    for (const int samples : {64, 2048}) {
      const SectionMeasure m = MeasureSection(eps, mu, samples);
      EXPECT_TRUE(Near(m.thickness, fine.thickness, 1e-13)) << eps << " " << samples;
      EXPECT_TRUE(Near(m.camber, fine.camber, 1e-13)) << eps << " " << samples;
    }
  }
}

}  // namespace
}  // namespace jouk
