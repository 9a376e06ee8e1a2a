// The model's message table and what uses it: texts filled in one pass, every id with a text,
// the one stagnation-point limit of the recompute and the surface formulas, and the one decision
// on the edge notes of the window and the exporter.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "model/Aerodynamics.hpp"
#include "model/EdgeNotes.hpp"
#include "model/LiftCsv.hpp"
#include "model/MathConstants.hpp"
#include "model/Mdl_ZORAP.hpp"
#include "model/Messages.hpp"
#include "model/NumberText.hpp"
#include "model/Recompute.hpp"
#include "model/SurfaceFlow.hpp"

namespace jouk {
namespace {

MessageId Id(std::size_t k) {
  return static_cast<MessageId>(k);
}

TEST(Messages, EveryIdHasATextWithItsPlacesInOrder) {
  const std::set<std::string> contexts = {"Recompute",   "LiftError",   "Form_Lift",
                                          "SurfaceNote", "ReadingNote", "FieldReadout"};
  for (std::size_t k = 0; k < kMessageCount; ++k) {
    const MessageText& m = Message(Id(k));
    ASSERT_NE(m.context, nullptr) << k;
    ASSERT_NE(m.english, nullptr) << k;
    EXPECT_TRUE(contexts.count(m.context)) << m.context;
    const std::string text = m.english;
    EXPECT_FALSE(text.empty()) << k;
    // The places are %1 … %n without a gap.
    int highest = 0;
    for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1)) {
      ASSERT_LT(at + 1, text.size()) << text;
      const int place = text[at + 1] - '0';
      ASSERT_TRUE(place >= 1 && place <= 9) << text;
      highest = std::max(highest, place);
    }
    for (int place = 1; place <= highest; ++place) {
      EXPECT_NE(text.find("%" + std::to_string(place)), std::string::npos) << text;
    }
  }
  EXPECT_STREQ(Message(Id(kMessageCount)).english, "");  // no id: no text, and no overrun
}

// Each message is filed under the context of what gives it, where its translation is looked up.
TEST(Messages, EachTextIsFiledUnderItsContext) {
  for (const ParameterTexts& texts :
       {ParameterTexts{.Olcek = "0"}, ParameterTexts{.kMax = "1"}, ParameterTexts{.dR = "1e999"},
        ParameterTexts{.Alfa = "30", .iKutta = "4"}}) {
    FlowState st;
    LoadInitialisation(st);
    const RecomputeStatus status = Recompute(st, texts);
    ASSERT_TRUE(status.id.has_value());
    EXPECT_STREQ(Message(*status.id).context, "Recompute");
  }
  for (const MessageId id :
       {MessageId::kNoFlowYet, MessageId::kNotJoukowskyMap, MessageId::kNotFinite,
        MessageId::kNoseOutsideCircle, MessageId::kDegenerateCircle, MessageId::kNoChord,
        MessageId::kPressureNotIntegrated, MessageId::kSurfacePointsRange}) {
    EXPECT_STREQ(Message(id).context, "LiftError");
  }
  for (const MessageId id : {MessageId::kTrailingEdgeOffCurves, MessageId::kLeadingEdgeOffCurves}) {
    EXPECT_STREQ(Message(id).context, "Form_Lift");
  }
  for (const MessageId id : {MessageId::kBothEdgesOffTable, MessageId::kTrailingEdgeOffTable,
                             MessageId::kLeadingEdgeOffTable}) {
    EXPECT_STREQ(Message(id).context, "SurfaceNote");
  }
  for (const MessageId id :
       {MessageId::kNotInTable, MessageId::kFlatPlateComputed, MessageId::kPreviousSectionKept,
        MessageId::kReadEmpty, MessageId::kReadNoNumber, MessageId::kReadComma,
        MessageId::kReadRest}) {
    EXPECT_STREQ(Message(id).context, "ReadingNote");
  }
  for (const MessageId id :
       {MessageId::kReadoutX, MessageId::kReadoutY, MessageId::kReadoutSpeed, MessageId::kReadoutCp,
        MessageId::kReadoutPsi, MessageId::kReadoutInside, MessageId::kReadoutUnbounded}) {
    EXPECT_STREQ(Message(id).context, "FieldReadout");
  }
  EXPECT_STREQ(Message(MessageId::kReadoutSpeed).english, "V/U");
  EXPECT_STREQ(Message(MessageId::kReadoutUnbounded).english, "unbounded");
}

TEST(Messages, EnglishTextFillsThePlacesInOnePass) {
  EXPECT_EQ(EnglishText(MessageId::kTooLarge, {"δ"}), "δ is too large.");
  EXPECT_EQ(EnglishText(MessageId::kSurfacePointsRange, {"16", "100000"}),
            "The number of surface points must lie between 16 and 100000.");
  // A place's own "%2" is not filled again; a mark without a place stays.
  EXPECT_EQ(EnglishText(MessageId::kReadRest, {"%2", "x"}),
            "Read as %2: the text after the number (\"x\") is not read");
  EXPECT_EQ(EnglishText(MessageId::kTooLarge), "%1 is too large.");
  EXPECT_EQ(EnglishText(MessageId::kNotInTable, {"a", "b", "0", "0.3", "0.15", "0.01", "z"}),
            "δ a with γ b is not in the section table (δ 0 to 0.3 and γ 0 to 0.15 in steps of "
            "0.01); z");
  EXPECT_EQ(EnglishText(MessageId::kOutOfMemory, {"unused"}),
            "Not enough memory to compute the streamlines.");
}

// The largest Kutta factor whose rear stagnation point is on the circle, for the start-up
// section at α = 30, found by bisection on the predicate itself.
double LargestKuttaFactor(const FlowState& st) {
  double lo = 1;
  double hi = 4;
  const auto on = [&](double k) {
    return StagnationPointOnCircle(SetUpFlow(30, st.Eps, st.Mu, k, 2, st.Pi, st.DegToRad), st.Pi);
  };
  while (std::nextafter(lo, hi) < hi) {
    const double mid = lo + (hi - lo) / 2;
    (on(mid) ? lo : hi) = mid;
  }
  EXPECT_TRUE(on(lo));
  EXPECT_FALSE(on(hi));
  return lo;
}

// The limit itself: a stagnation sine of exactly ±1 puts the point on the circle (the radicand
// of its cosine is 0); the next double beyond does not.
TEST(StagnationLimit, ASineOfOneIsStillOnTheCircle) {
  FlowSetup f{};
  f.U = 1;
  f.a = 1;
  for (const double sign : {1.0, -1.0}) {
    f.Gamma = sign * 4 * kPi;
    ASSERT_EQ(std::fabs(StagnationSine(f, kPi)), 1.0);
    EXPECT_TRUE(StagnationPointOnCircle(f, kPi));
    EXPECT_FALSE(StagnationRefusal(f, kPi).has_value());
    f.Gamma = std::nextafter(f.Gamma, sign * HUGE_VAL);
    EXPECT_FALSE(StagnationPointOnCircle(f, kPi));
    EXPECT_EQ(StagnationRefusal(f, kPi), MessageId::kStagnationOffSection);
  }
}

TEST(StagnationLimit, TheRecomputeAndTheSurfaceShareIt) {
  FlowState st;
  LoadInitialisation(st);
  ASSERT_TRUE(Recompute(st, ParameterTexts{}).ok);
  const double limit = LargestKuttaFactor(st);
  const double beyond = std::nextafter(limit, HUGE_VAL);

  // At the limit both accept; a unit in the last place beyond, both refuse with the same text.
  FlowState at = st;
  ASSERT_TRUE(Recompute(at, ParameterTexts{.Alfa = "30", .iKutta = NumberToText(limit)}).ok);
  SurfaceFlow flow;
  MessageId reason = MessageId::kNoFlowYet;
  EXPECT_TRUE(MakeSurfaceFlow(at, flow, reason));
  EXPECT_TRUE(ComputeLiftAndPressure(at, kMinSurfacePoints).ok);

  const FlowState before = st;
  const RecomputeStatus refused =
      Recompute(st, ParameterTexts{.Alfa = "30", .iKutta = NumberToText(beyond)});
  EXPECT_FALSE(refused.ok);
  ASSERT_EQ(refused.id, MessageId::kStagnationOffSection);
  EXPECT_FALSE(refused.parameter.has_value());
  EXPECT_EQ(refused.message,
            "The Kutta factor is too large for this angle of attack: the rear stagnation point "
            "would leave the section.");
  EXPECT_TRUE(st == before);

  at.iKutta = beyond;  // a store the recompute would not have left
  EXPECT_FALSE(MakeSurfaceFlow(at, flow, reason));
  EXPECT_EQ(reason, MessageId::kStagnationOffSection);
  const LiftAndPressure lift = ComputeLiftAndPressure(at);
  EXPECT_EQ(lift.errorId, MessageId::kStagnationOffSection);
  EXPECT_EQ(lift.error, refused.message);
}

TEST(LiftErrors, CarryTheirIdAndPlaces) {
  FlowState fresh;
  LoadInitialisation(fresh);
  const LiftAndPressure none = ComputeLiftAndPressure(fresh);
  EXPECT_EQ(none.errorId, MessageId::kNoFlowYet);
  EXPECT_EQ(none.error, "No flow has been computed yet.");
  EXPECT_TRUE(none.errorPlaces.empty());

  ASSERT_TRUE(Recompute(fresh, ParameterTexts{}).ok);
  for (const int points : {kMinSurfacePoints - 1, kMaxSurfacePoints + 1}) {
    const LiftAndPressure r = ComputeLiftAndPressure(fresh, points);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorId, MessageId::kSurfacePointsRange);
    EXPECT_EQ(r.errorPlaces, (std::vector<std::string>{"16", "100000"}));
    EXPECT_EQ(r.error, "The number of surface points must lie between 16 and 100000.");
  }
  EXPECT_FALSE(ComputeLiftAndPressure(fresh).errorId.has_value());
}

struct EdgeCase {
  bool ok, trailing, leading;
  std::vector<MessageId> curves;
  std::optional<MessageId> table;
  const char* line;  // the exporter's, with Kutta factor 0.5
};

TEST(EdgeNotes, OneDecisionForTheCurvesAndTheTable) {
  for (const EdgeCase& c : {
           EdgeCase{true, false, false, {}, std::nullopt, ""},
           EdgeCase{true,
                    true,
                    false,
                    {MessageId::kTrailingEdgeOffCurves},
                    MessageId::kTrailingEdgeOffTable,
                    "The speed is unbounded at the trailing edge (Kutta condition 0.5); the "
                    "surface table has no row for it."},
           EdgeCase{true,
                    false,
                    true,
                    {MessageId::kLeadingEdgeOffCurves},
                    MessageId::kLeadingEdgeOffTable,
                    "The speed is unbounded at the sharp leading edge of this section of zero "
                    "thickness; the surface table has no row for it."},
           EdgeCase{true,
                    true,
                    true,
                    {MessageId::kTrailingEdgeOffCurves, MessageId::kLeadingEdgeOffCurves},
                    MessageId::kBothEdgesOffTable,
                    "The speed is unbounded at the trailing edge (Kutta condition 0.5) and at the "
                    "sharp leading edge; the surface table has no row for either."},
           EdgeCase{false, true, true, {}, std::nullopt, ""},  // a failed result notes nothing
       }) {
    LiftAndPressure r;
    r.ok = c.ok;
    r.trailingEdgeOmitted = c.trailing;
    r.leadingEdgeOmitted = c.leading;
    r.kuttaFactor = 0.5;
    EXPECT_EQ(CurveNotes(r), c.curves) << c.trailing << c.leading << c.ok;
    EXPECT_EQ(SurfaceTableNote(r), c.table) << c.trailing << c.leading << c.ok;
    EXPECT_EQ(SurfaceNote(r), c.line);
  }
}

}  // namespace
}  // namespace jouk
