#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "model/MathConstants.hpp"
#include "model/Mdl_Common.hpp"
#include "model/Recompute.hpp"
#include "model/SectionLookup.hpp"

namespace jouk {
namespace {

TEST(LoadInitialisation, SetsConstantsAndLeavesFlowParametersEmpty) {
  FlowState st;
  LoadInitialisation(st);
  EXPECT_EQ(st.Pi, 3.141592653589793);
  EXPECT_EQ(st.TwoPi, 6.283185307179586);
  EXPECT_EQ(st.DegToRad, 0.017453292519943295);
  // The store's π, computed at load, is the constant the code outside the store uses.
  EXPECT_EQ(st.Pi, kPi);
  EXPECT_EQ(st.TwoPi, kTwoPi);
  EXPECT_EQ(st.nTable, 496);
  for (const double v :
       {st.Alfa, st.Eps, st.Mu, st.iKutta, st.kMax, st.dPsi, st.dR, st.Olcek, st.nB, st.Rmax}) {
    EXPECT_EQ(v, 0.0);
  }
  EXPECT_EQ(st.nExp, 0);
  EXPECT_TRUE(st.nPts.empty());
  for (const auto* column : {&st.TabDelta, &st.TabGama, &st.TabEps, &st.TabMu}) {
    ASSERT_EQ(column->size(), 497u);
    EXPECT_EQ((*column)[0], 0.0) << "element 0 is never written";
  }
}

TEST(SectionTable, KeysFollowTheGridThicknessFastest) {
  FlowState st;
  LoadInitialisation(st);
  for (int m = 0; m <= 15; ++m) {
    for (int d = 0; d <= 30; ++d) {
      const int k = 31 * m + d + 1;
      EXPECT_EQ(st.TabDelta[k], d / 100.0) << k;
      EXPECT_EQ(st.TabGama[k], m / 100.0) << k;
    }
  }
}

TEST(SectionTable, ThicknessZeroRowsAreCircularArcs) {
  FlowState st;
  LoadInitialisation(st);
  for (int m = 0; m <= 15; ++m) {
    const int k = 31 * m + 1;
    EXPECT_EQ(st.TabEps[k], 0.0) << k;
    EXPECT_EQ(st.TabMu[k], 2 * st.TabGama[k]) << k;
  }
}

struct LookupCase {
  const char* name;
  double delta, gama;
  double eps, mu;
};
void PrintTo(const LookupCase& c, std::ostream* os) {
  *os << c.name;
}

class LookupHit : public ::testing::TestWithParam<LookupCase> {};

TEST_P(LookupHit, SetsEpsAndMu) {
  FlowState st;
  LoadInitialisation(st);
  LookupSection(st, GetParam().delta, GetParam().gama);
  EXPECT_EQ(st.Eps, GetParam().eps);
  EXPECT_EQ(st.Mu, GetParam().mu);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LookupHit,
    ::testing::Values(LookupCase{"startup_row_75", 0.12, 0.02, 0.10195, 0.04407},
                      LookupCase{"row_1", 0, 0, 0, 0},
                      LookupCase{"row_496", 0.30, 0.15, 0.29252, 0.38751},
                      LookupCase{"row_466", 0, 0.15, 0, 0.3},
                      LookupCase{"row_33", 0.01, 0.01, 0.00776, 0.02016},
                      LookupCase{"row_341", 0.30, 0.10, 0.29963, 0.25974},
                      LookupCase{"camber_zero_thickness_30", 0.3, 0, 0.30574, 0}),
    [](const ::testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

class LookupMiss : public ::testing::TestWithParam<LookupCase> {};

TEST_P(LookupMiss, KeepsThePreviousSection) {
  FlowState st;
  LoadInitialisation(st);
  st.Eps = 0.5;
  st.Mu = 0.25;
  LookupSection(st, GetParam().delta, GetParam().gama);
  EXPECT_EQ(st.Eps, 0.5);
  EXPECT_EQ(st.Mu, 0.25);
  EXPECT_EQ(FindSectionRow(st, GetParam().delta, GetParam().gama), 0);
}

INSTANTIATE_TEST_SUITE_P(Pairs, LookupMiss,
                         ::testing::Values(LookupCase{"thickness_0_125", 0.125, 0.02, 0, 0},
                                           LookupCase{"thickness_0_31", 0.31, 0.02, 0, 0},
                                           LookupCase{"camber_0_16", 0.12, 0.16, 0, 0},
                                           LookupCase{"negative_thickness", -0.12, 0.02, 0, 0},
                                           LookupCase{"negative_camber", 0.12, -0.02, 0, 0},
                                           LookupCase{"near_key", 0.12000000000000001, 0.02, 0, 0},
                                           LookupCase{"sum_not_quotient", 0.1 + 0.2, 0.0, 0, 0}),
                         [](const ::testing::TestParamInfo<LookupCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace jouk
