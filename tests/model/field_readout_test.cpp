// The readout under the pointer: the probe of a shown point at the ends of the map's stages and
// in both views, and the readout's numbers and text.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/FieldReadout.hpp"
#include "model/FlowField.hpp"
#include "model/FlowPicture.hpp"
#include "model/FlowViews.hpp"
#include "model/Recompute.hpp"
#include "tests/model/Tolerance.hpp"

namespace jouk {
namespace {

using testing::Near;

FieldFlow Solved(const ParameterTexts& texts) {
  FlowState st;
  LoadInitialisation(st);
  EXPECT_TRUE(Recompute(st, texts).ok);
  FieldFlow flow;
  MessageId reason{};
  EXPECT_TRUE(MakeFieldFlow(st, flow, reason));
  return flow;
}

std::string English(MessageId id) {
  return EnglishText(id);
}

const ParameterTexts kSteep{.Delta = "0.16", .Gama = "0.04", .Alfa = "30", .Olcek = "3"};

TEST(FieldReadout, NumbersHaveFourPlacesAndNoSignedZero) {
  const struct {
    const char* name;
    double value;
    const char* text;
  } rows[] = {
      {"rounded half up in binary", 0.12345, "0.1235"},
      {"trailing zeros kept", -2.5, "-2.5000"},
      {"negative, rounds to zero", -0.00004, "0.0000"},
      {"negative zero", -0.0, "0.0000"},
      {"just above half a place", -0.00005, "-0.0001"},
      {"last fixed value", 999999.99994, "999999.9999"},
      {"first exponent value", 1e6, "1.0000e+06"},
      {"large negative", -123456789.0, "-1.2346e+08"},
      {"infinite", HUGE_VAL, "inf"},
      {"negative infinite", -HUGE_VAL, "-inf"},
      {"not a number", std::nan(""), "nan"},
  };
  for (const auto& row : rows) EXPECT_EQ(ReadoutNumber(row.value), row.text) << row.name;
}

// A fresh copy of the tunnel view's store keeps the ripples travelling downstream, and only
// that of the animation.
TEST(FieldReadout, AFreshCopyKeepsTheViewsRipples) {
  FlowState st;
  LoadInitialisation(st);
  ASSERT_TRUE(Recompute(st, kSteep).ok);
  for (const FlowView view : {FlowView::kMain, FlowView::kTunnel}) {
    FlowState shown = st;
    ApplyView(shown, view);
    AdvanceToFrame(shown, 3);
    const auto fresh = FreshWindowCopy(shown);
    EXPECT_EQ(fresh->anim.downstream, view == FlowView::kTunnel);
    EXPECT_EQ(fresh->anim.tAnim, 0);
    EXPECT_EQ(fresh->XS, shown.XS);
    EXPECT_EQ(fresh->YAnim1, PointGrid());
  }
}

TEST(FieldReadout, PicturePositionsGoToTheirWorldPoints) {
  const WorldWindow w{-3, 2, 3, -2};
  EXPECT_EQ(WorldAt(w, 0, 0, 600, 400), Complex(-3, 2));
  EXPECT_EQ(WorldAt(w, 600, 400, 600, 400), Complex(3, -2));
  EXPECT_EQ(WorldAt(w, 300, 100, 600, 400), Complex(0, 1));
  EXPECT_EQ(WorldAt(w, 600, 100, 1200, 800), Complex(0, 1.5));  // device pixels at a ratio of 2
}

TEST(FieldReadout, TheSectionsProbeIsTheFieldOfTheMainPicture) {
  const FieldFlow flow = Solved(kSteep);
  const SurfaceFlow& f = flow.surface;
  for (const FlowView view : {FlowView::kMain, FlowView::kTunnel}) {
    for (const Complex Q : {Complex(0.9, 0.3), Complex(-1.7, -0.8), Complex(2.5, 1.9)}) {
      const FieldProbe probe = ProbeField(flow, Q, 1, view);
      const FieldValue want = EvaluateField(flow, FromView(view, Q, f.cosAlfa, f.sinAlfa));
      EXPECT_EQ(probe.shown, Q);
      EXPECT_EQ(probe.value.circle, want.circle);
      EXPECT_EQ(probe.value.speed, want.speed);
      EXPECT_EQ(probe.value.psi, want.psi);
      // The other plane of the section is the circle plane, turned as shown.
      EXPECT_EQ(probe.other, StagePoint(want.circle, 0, f.b, f.cosAlfa, f.sinAlfa, view));
    }
  }
}

TEST(FieldReadout, TheTwoPlanesPointAtEachOther) {
  const FieldFlow flow = Solved(kSteep);
  for (const FlowView view : {FlowView::kMain, FlowView::kTunnel}) {
    const Complex Q(1.1, -0.4);
    const FieldProbe section = ProbeField(flow, Q, 1, view);
    // Probed at the circle-plane point it names, the circle plane names Q again, with the flow
    // of the same circle-plane point.
    const FieldProbe circle = ProbeField(flow, section.other, 0, view);
    EXPECT_TRUE(Near(circle.other.real(), Q.real(), 1e-12));
    EXPECT_TRUE(Near(circle.other.imag(), Q.imag(), 1e-12));
    EXPECT_TRUE(Near(std::abs(circle.value.circle - section.value.circle), 0, 1e-12));
    EXPECT_TRUE(Near(circle.value.psi, section.value.psi, 1e-12));
    // Just below the middle the other plane is the section, from the middle on the circle.
    const SurfaceFlow& f = flow.surface;
    const FieldProbe below = ProbeField(flow, Q, 0.4999, view);
    EXPECT_EQ(below.other, StagePoint(below.value.circle, 1, f.b, f.cosAlfa, f.sinAlfa, view));
    const FieldProbe half = ProbeField(flow, Q, 0.5, view);
    EXPECT_EQ(half.other, StagePoint(half.value.circle, 0, f.b, f.cosAlfa, f.sinAlfa, view));
  }
}

// At stage 0 the readout is the flow around the circle itself: V/U = |1 − a²/z² + iK/(U·z)|.
TEST(FieldReadout, TheCirclePlanesSpeedIsTheCylindersFlow) {
  const FieldFlow flow = Solved(kSteep);
  const SurfaceFlow& f = flow.surface;
  for (const Complex Q : {Complex(0.9, 0.3), Complex(-1.7, -0.8), Complex(0.2, 0.9)}) {
    const FieldProbe probe = ProbeField(flow, Q, 0, FlowView::kMain);
    ASSERT_FALSE(probe.value.inside);
    const Complex z = TurnByAngle(probe.value.circle - flow.centre, f.cosAlfa, f.sinAlfa);
    const Complex w = f.U * (1.0 - f.a * f.a / (z * z)) + Complex(0, f.K) / z;
    EXPECT_TRUE(Near(probe.value.speed, std::abs(w) / f.U, 1e-12));
  }
}

TEST(FieldReadout, PlayRunsUpAndDownInItsPeriod) {
  const struct {
    const char* name;
    double seconds, t0, t;
  } rows[] = {
      {"starts where the slider stands", 0, 0.25, 0.25},
      {"from the circle plane, the section after half a round", 1.5, 0, 1},
      {"back at the circle plane after a round", 3, 0, 0},
      {"a quarter round up", 0.75, 0, 0.5},
      {"from the section it goes down", 0.75, 1, 0.5},
      {"a second round like the first", 6.75, 0, 0.5},
      {"a stage beyond the slider's end taken at the end", 0, 2, 1},
  };
  for (const auto& row : rows)
    EXPECT_TRUE(Near(PlayedStage(row.seconds, row.t0), row.t, 1e-15)) << row.name;
}

TEST(FieldReadout, TextNamesEachQuantityOrSaysWhy) {
  FieldProbe probe;
  probe.shown = Complex(0.5, -0.25);
  probe.value.speed = 1.25;
  probe.value.cp = 1 - 1.25 * 1.25;
  probe.value.psi = 0.07;
  EXPECT_EQ(ReadoutText(probe, English),
            "x = 0.5000, y = -0.2500\nV/U = 1.2500, Cp = -0.5625, ψ = 0.0700");
  probe.value.inside = true;
  EXPECT_EQ(ReadoutText(probe, English), "x = 0.5000, y = -0.2500\ninside the section");
  // Each word comes from the table, in the reader's language.
  const std::string marked =
      ReadoutText(probe, [](MessageId id) { return "<" + EnglishText(id) + ">"; });
  EXPECT_EQ(marked, "<x> = 0.5000, <y> = -0.2500\n<inside the section>");
}

TEST(FieldReadout, TheTrailingEdgeIsUnboundedWithoutTheKuttaCondition) {
  for (const char* kutta : {"1", "0.5"}) {
    const FieldFlow flow = Solved({.iKutta = kutta});
    const Complex edge = FieldPicturePoint(flow, flow.surface.b);
    const FieldProbe probe = ProbeField(flow, edge, 1, FlowView::kMain);
    const std::string text = ReadoutText(probe, English);
    const bool unbounded = std::string(kutta) != "1";
    EXPECT_EQ(probe.value.bounded, !unbounded) << kutta;
    EXPECT_EQ(text.find("V/U = unbounded, Cp = unbounded, ψ = ") != std::string::npos, unbounded)
        << text;
    EXPECT_EQ(text.find("nan"), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace jouk
