#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "model/Mdl_Common.hpp"
#include "model/Mdl_ZORAP.hpp"
#include "model/Recompute.hpp"
#include "model/SectionLookup.hpp"
#include "tests/model/Tolerance.hpp"

namespace jouk {
namespace {

using testing::Near;

FlowState Loaded() {
  FlowState st;
  LoadInitialisation(st);
  return st;
}

void ExpectAllFinite(const FlowState& st) {
  const int kLast = LastStreamline(st, st.kMax);
  for (int k = 0; k <= kLast; ++k) {
    for (int i = 1; i <= st.nPts[k]; ++i) {
      ASSERT_TRUE(std::isfinite(st.XS(k, i)) && std::isfinite(st.YS(k, i)))
          << "streamline " << k << " point " << i;
    }
  }
}

TEST(Recompute, StartUpTexts) {
  FlowState st = Loaded();
  const RecomputeStatus status = Recompute(st, ParameterTexts{});
  ASSERT_TRUE(status.ok) << status.message;
  EXPECT_EQ(st.Eps, 0.10195);
  EXPECT_EQ(st.Mu, 0.04407);
  EXPECT_EQ(st.nExp, 2);
  EXPECT_EQ(st.kMax, 10);
  EXPECT_EQ(st.nPts, (std::vector<int>{51, 75, 75, 279, 253, 251, 225, 227, 205, 209, 189}));
  // After the turn the trailing edge lies at (−nB·cos α, nB·sin α).
  EXPECT_TRUE(Near(st.XS(0, 1), -st.nB * st.CosAlfa, 1e-15));
  EXPECT_TRUE(Near(st.YS(0, 1), st.nB * st.SinAlfa, 1e-15));
  ExpectAllFinite(st);
}

TEST(Recompute, SecondRunGivesIdenticalArrays) {
  FlowState first = Loaded();
  ASSERT_TRUE(Recompute(first, ParameterTexts{}).ok);
  FlowState second = first;
  ASSERT_TRUE(Recompute(second, ParameterTexts{}).ok);
  EXPECT_TRUE(first == second);
}

TEST(Recompute, ZeroAngleLeavesMappedPointsUnturned) {
  FlowState viaPipeline = Loaded();
  ParameterTexts texts;
  texts.Alfa = "0";
  ASSERT_TRUE(Recompute(viaPipeline, texts).ok);
  FlowState direct = Loaded();
  direct.nExp = 2;
  direct.Alfa = 0;
  direct.iKutta = 1;
  direct.Olcek = 1;
  direct.dPsi = 0.07;
  direct.kMax = 10;
  direct.dR = 0.01;
  LookupSection(direct, 0.12, 0.02);
  CircleStreamlines(direct);
  MapToAirfoilPlane(direct);
  EXPECT_TRUE(viaPipeline.XS == direct.XS);
  EXPECT_TRUE(viaPipeline.YS == direct.YS);
}

TEST(Recompute, TableLookupThroughTheTexts) {
  FlowState st = Loaded();
  ParameterTexts texts;
  texts.Delta = "0,12";  // reads as 0: the circular-arc row of camber 0.02
  ASSERT_TRUE(Recompute(st, texts).ok);
  EXPECT_EQ(st.Eps, 0.0);
  EXPECT_EQ(st.Mu, 0.04);

  texts.Delta = "0.125";  // off the grid: the previous section is computed again
  texts.Alfa = "12";
  ASSERT_TRUE(Recompute(st, texts).ok);
  EXPECT_EQ(st.Eps, 0.0);
  EXPECT_EQ(st.Mu, 0.04);
  EXPECT_EQ(st.Alfa, 12);

  texts.Delta = "0.120";
  texts.Gama = "0.1";
  ASSERT_TRUE(Recompute(st, texts).ok);
  EXPECT_EQ(st.Eps, 0.10036);
  EXPECT_EQ(st.Mu, 0.22006);
}

TEST(Recompute, FirstRunOffTheGridUsesTheZeroSection) {
  FlowState st = Loaded();
  ParameterTexts texts;
  texts.Delta = "0.31";
  ASSERT_TRUE(Recompute(st, texts).ok);
  EXPECT_EQ(st.Eps, 0.0);
  EXPECT_EQ(st.Mu, 0.0);
  EXPECT_TRUE(Near(st.XS(0, 1), -0.5 * st.CosAlfa, 1e-15));
}

TEST(Recompute, FractionalStreamlineCountIsKept) {
  FlowState st = Loaded();
  ParameterTexts texts;
  texts.kMax = "19.6";  // nPts sized 0..20, streamlines computed up to 19
  ASSERT_TRUE(Recompute(st, texts).ok);
  EXPECT_EQ(st.kMax, 19.6);
  ASSERT_EQ(st.nPts.size(), 21u);
  EXPECT_GT(st.nPts[19], 0);
  EXPECT_EQ(st.nPts[20], 0);
  texts.kMax = "3.5";  // nPts sized 0..4, streamlines computed up to 3
  ASSERT_TRUE(Recompute(st, texts).ok);
  ASSERT_EQ(st.nPts.size(), 5u);
  EXPECT_GT(st.nPts[3], 0);
  EXPECT_EQ(st.nPts[4], 0);
}

TEST(Recompute, HugeCoordinatesNeverLeaveNonFinitePoints) {
  FlowState st = Loaded();
  ParameterTexts texts;
  texts.Olcek = "1e200";
  texts.dR = "1e199";
  texts.dPsi = "1e180";
  ASSERT_TRUE(Recompute(st, texts).ok);
  ExpectAllFinite(st);
  EXPECT_EQ(st.nPts[0], 51);
  EXPECT_TRUE(st == st) << "no value in the store compares unequal to itself";

  // A step so large that the map's ratio rounds to 1 far from the section: those points are
  // dropped, and the store stays free of undefined values.
  texts = ParameterTexts{};
  texts.Alfa = "abc";
  texts.Olcek = "0.5";
  texts.dPsi = "99999999999999999999";
  texts.kMax = "7";
  ASSERT_TRUE(Recompute(st, texts).ok);
  ExpectAllFinite(st);
  EXPECT_LT(st.nPts[3], 3);
  EXPECT_TRUE(st == st);

  // A radial step that puts the dividing streamline's second point 1e15 out: its image is 0/0,
  // so both halves end at the stagnation point itself.
  texts = ParameterTexts{};
  texts.dR = "1e15";
  ASSERT_TRUE(Recompute(st, texts).ok);
  ExpectAllFinite(st);
  EXPECT_EQ(st.nPts[1], 1);
  EXPECT_EQ(st.nPts[2], 1);
}

struct RejectCase {
  const char* name;
  ParameterTexts texts;
  const char* message;
};
void PrintTo(const RejectCase& c, std::ostream* os) {
  *os << c.name;
}

ParameterTexts With(std::string ParameterTexts::*field, const char* text) {
  ParameterTexts t;
  t.*field = text;
  return t;
}

class RecomputeRejects : public ::testing::TestWithParam<RejectCase> {};

TEST_P(RecomputeRejects, NamesTheRuleAndLeavesTheStoreAsItWas) {
  FlowState st = Loaded();
  ASSERT_TRUE(Recompute(st, ParameterTexts{}).ok);
  st.anim.tAnim = 0.7;  // any value: the store must come back bit for bit
  const FlowState before = st;
  const RecomputeStatus status = Recompute(st, GetParam().texts);
  EXPECT_FALSE(status.ok);
  EXPECT_EQ(status.message, GetParam().message);
  EXPECT_TRUE(st == before);
  // The window translates the id's text and the name: put together in English they are the
  // message, and a name goes with a text that has its place.
  ASSERT_TRUE(status.id.has_value());
  std::string english = Message(*status.id).english;
  const std::size_t at = english.find("%1");
  EXPECT_EQ(at != std::string::npos, status.parameter.has_value());
  if (status.parameter && at != std::string::npos) {
    ASSERT_LT(*status.parameter, kParameterCount);
    english.replace(at, 2, kParameters[*status.parameter].name);
  }
  EXPECT_EQ(english, GetParam().message);
}

const char* const kKuttaMessage =
    "The Kutta factor is too large for this angle of attack: the rear stagnation point would "
    "leave the section.";

INSTANTIATE_TEST_SUITE_P(
    Texts, RecomputeRejects,
    ::testing::Values(
        RejectCase{"dR_zero", With(&ParameterTexts::dR, "0"), "dR must be a positive number."},
        RejectCase{"dR_negative", With(&ParameterTexts::dR, "-0.01"),
                   "dR must be a positive number."},
        RejectCase{"dR_text", With(&ParameterTexts::dR, "abc"), "dR must be a positive number."},
        RejectCase{"dR_overflow", With(&ParameterTexts::dR, "1e400"), "dR is too large."},
        RejectCase{"thickness_overflow", With(&ParameterTexts::Delta, "-1e999"), "δ is too large."},
        RejectCase{"alpha_overflow", With(&ParameterTexts::Alfa, "1e309"), "α is too large."},
        RejectCase{"nsl_below", With(&ParameterTexts::kMax, "1.99"),
                   "nSL must be a number from 2 to 20."},
        RejectCase{"nsl_above", With(&ParameterTexts::kMax, "20.5"),
                   "nSL must be a number from 2 to 20."},
        RejectCase{"nsl_fraction_above", With(&ParameterTexts::kMax, "20.4"),
                   "nSL must be a number from 2 to 20."},
        RejectCase{"nsl_empty", With(&ParameterTexts::kMax, ""),
                   "nSL must be a number from 2 to 20."},
        RejectCase{"scale_zero", With(&ParameterTexts::Olcek, "0"),
                   "Scale must be a positive number."},
        RejectCase{"scale_negative", With(&ParameterTexts::Olcek, "-1"),
                   "Scale must be a positive number."},
        RejectCase{"dpsi_zero", With(&ParameterTexts::dPsi, "0"), "Δψ must be a positive number."},
        RejectCase{"kutta_above_limit", With(&ParameterTexts::iKutta, "12"), kKuttaMessage},
        RejectCase{"kutta_negative_above_limit", With(&ParameterTexts::iKutta, "-12"),
                   kKuttaMessage}),
    [](const ::testing::TestParamInfo<RejectCase>& info) { return std::string(info.param.name); });

TEST(Recompute, KuttaLimitDependsOnTheAngle) {
  FlowState st = Loaded();
  ParameterTexts texts;
  texts.iKutta = "3";
  texts.Alfa = "10";  // sin(α + β) ≈ 0.21: 3 × 0.21 < 1
  EXPECT_TRUE(Recompute(st, texts).ok);
  texts.Alfa = "30";  // sin(α + β) ≈ 0.53: 3 × 0.53 > 1
  EXPECT_FALSE(Recompute(st, texts).ok);
}

}  // namespace
}  // namespace jouk
