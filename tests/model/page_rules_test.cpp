// The rules both fronts read from the model: the tick that erases the standing frame by its
// colour against the full erase pass, the device pixels and the pen at a ratio, the notes and
// rejections as filled messages, the pressure curves' split and the lift figures.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model/Aerodynamics.hpp"
#include "model/Animation.hpp"
#include "model/FlowPicture.hpp"
#include "model/Messages.hpp"
#include "model/Raster.hpp"
#include "model/ReadingNotes.hpp"
#include "model/Recompute.hpp"
#include "tests/common/ParameterSets.hpp"

namespace jouk {
namespace {

FlowState Recomputed(const ParameterTexts& texts) {
  FlowState st;
  LoadInitialisation(st);
  EXPECT_TRUE(Recompute(st, texts).ok);
  return st;
}

// Plays `ticks` ticks after START on two pictures, one erasing every frame in full, the other by
// colour from the second tick on, and expects the same pixels after every tick.
void ExpectSamePixelsTickByTick(FlowState st, int width, int height, int pen, int ticks) {
  FlowState other = st;
  RasterImage full(width, height, kPlotBackground), byColour(width, height, kPlotBackground);
  for (auto [raster, store] : {std::pair{&full.raster(), &st}, {&byColour.raster(), &other}}) {
    raster->SetPenWidth(pen);
    StartPicture(*raster, *store);
    ResetAnimationClock(*store, kTickIntervalMs);
  }
  for (int tick = 1; tick <= ticks; ++tick) {
    DrawAnimationTick(full.raster(), st);
    if (tick == 1) {
      DrawAnimationTick(byColour.raster(), other);
    } else {
      DrawAnimationTickOver(byColour.raster(), other);
    }
    ASSERT_EQ(full.pixels(), byColour.pixels()) << "tick " << tick << ", pen " << pen;
  }
  EXPECT_EQ(st.anim.tAnim, other.anim.tAnim);
}

TEST(TickOver, SetsThePixelsOfTheFullErasePass) {
  ParameterTexts steep;
  steep.Alfa = "30";
  ParameterTexts typed;
  typed.kMax = "19";
  typed.Olcek = "0.5";
  const struct {
    const char* name;
    ParameterTexts texts;
    int width, height, pen;
  } kCases[] = {{"start-up", testing::StartupTexts(), 600, 400, 1},
                {"start-up at ratio 2", testing::StartupTexts(), 1200, 800, 2},
                {"alpha 30, pen 3", steep, 900, 600, 3},
                {"nSL 19, scale 0.5", typed, 600, 400, 1},
                {"heavy", testing::HeavyTexts(), 600, 400, 1}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    ExpectSamePixelsTickByTick(Recomputed(c.texts), c.width, c.height, c.pen, 12);
  }
}

// After a restart the store still holds the last frame's lines: the first tick must erase them
// in full (they were drawn at another solution's points), later ticks by colour.
TEST(TickOver, AfterARestartTheFirstTickErasesInFull) {
  FlowState st = Recomputed(testing::StartupTexts());
  RasterImage scratch(600, 400, kPlotBackground);
  ReplayWindowPicture(scratch.raster(), st, 7);
  ParameterTexts steep;
  steep.Alfa = "30";
  ASSERT_TRUE(Recompute(st, steep).ok);
  ExpectSamePixelsTickByTick(st, 600, 400, 1, 5);
}

TEST(RasterReplaceColor, ChangesOnlyThatColourWithinThePicture) {
  std::vector<Rgb> pixels = {1, 2, 1, 3, /* beyond the width: */ 1, 1, 2, 1, 1, 1};
  Raster raster(pixels.data(), 3, 2, 5, 0);
  raster.ReplaceColor(1, 9);
  EXPECT_EQ(pixels, (std::vector<Rgb>{9, 2, 9, 3, 1, 9, 2, 9, 1, 1}));
}

TEST(DeviceRules, PenAndPixelsAtARatio) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double ratio;
    int pen, width;
  } kRows[] = {
      {1, 1, 600},    {1.25, 1, 750},    {1.4999, 1, 900},        {1.5, 2, 900}, {2, 2, 1200},
      {2.5, 3, 1500}, {3, 3, 1800},      {0.5, 1, 300},           {0, 1, 1},     {-2, 1, 1},
      {nan, 1, 1},    {1.0 / 600, 1, 1}, {2.0 / 600 + 1e-9, 1, 2}};
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.ratio);
    EXPECT_EQ(PenWidthForRatio(row.ratio), row.pen);
    EXPECT_EQ(DevicePixelsFor(600, row.ratio), row.width);
  }
  EXPECT_EQ(DevicePixelsFor(400, 1.5), 600);
  EXPECT_EQ(DevicePixelsFor(401, 1.5), 602);  // 601.5 rounds away from zero
  EXPECT_GE(PenWidthForRatio(std::numeric_limits<double>::infinity()), 1);
}

TEST(FilledMessages, NotesInWords) {
  ParameterTexts texts;
  texts.Delta = "0,12";
  texts.Gama = "0.125";
  texts.Alfa = "";
  texts.iKutta = "x";
  texts.dR = "0.01abc";
  FlowState st = Recomputed(texts);
  std::vector<std::string> words;
  for (const ReadingNote& note : ReadingNotes(st, texts)) {
    words.push_back(EnglishText(NoteMessage(note)));
  }
  ASSERT_EQ(words.size(), 4u + 2u);  // four not read whole; δ 0 and γ 0.125 is no table row
  EXPECT_EQ(words[0], "Read as 0: use a point as the decimal separator");
  EXPECT_EQ(words[1], EnglishText(MessageId::kReadEmpty));
  EXPECT_EQ(words[2], EnglishText(MessageId::kReadNoNumber));
  EXPECT_EQ(words[3], EnglishText(MessageId::kReadRest, {"0.01", "abc"}));
  EXPECT_EQ(words[4], words[5]);
  EXPECT_EQ(words[4],
            EnglishText(MessageId::kNotInTable, {"0", "0.125", "0", "0.3", "0.15", "0.01",
                                                 EnglishText(MessageId::kFlatPlateComputed)}));
  const FilledMessage miss = NoteMessage(ReadingNotes(st, texts)[4]);
  ASSERT_EQ(miss.places.size(), 7u);
  EXPECT_STREQ(miss.places[6].context, "ReadingNote");
  EXPECT_EQ(miss.places[0].context, nullptr);
}

TEST(FilledMessages, UserTextIsCutAndItsMarksStay) {
  ParameterTexts texts;
  texts.Alfa = "5%1%2 and a good deal more text";
  FlowState st = Recomputed(texts);
  const FilledMessage m = NoteMessage(ReadingNotes(st, texts).at(0));
  EXPECT_EQ(m.places.at(1).text, "%1%2 and a good deal...");
  EXPECT_EQ(EnglishText(m), FillPlaces(m.text, {"5", "%1%2 and a good deal..."}));
  EXPECT_NE(EnglishText(m).find("%1%2"), std::string::npos);
}

TEST(FilledMessages, RejectionNamesTheParameterInItsContext) {
  ParameterTexts texts;
  texts.dR = "0";
  FlowState st;
  LoadInitialisation(st);
  const RecomputeStatus status = Recompute(st, texts);
  ASSERT_FALSE(status.ok);
  const FilledMessage m = RejectionMessage(status);
  EXPECT_STREQ(m.context, "Recompute");
  ASSERT_EQ(m.places.size(), 1u);
  EXPECT_EQ(m.places[0].text, "dR");
  EXPECT_STREQ(m.places[0].context, kNameContext);
  EXPECT_EQ(EnglishText(m), status.message);
  RecomputeStatus bare;
  bare.ok = false;
  bare.message = "plain";
  EXPECT_EQ(RejectionMessage(bare).context, nullptr);
  EXPECT_EQ(EnglishText(RejectionMessage(bare)), "plain");
}

TEST(PressureCurves, SplitAtTheLeadingEdge) {
  LiftAndPressure r;
  for (int k = 0; k < 5; ++k) r.surface.push_back({k + 1, 0, 0, k * 0.25, 0, -double(k)});
  r.upperCount = 3;
  const PressureCurves shared = PressureCurvesOf(r);
  ASSERT_EQ(shared.upper.size(), 3u);
  ASSERT_EQ(shared.lower.size(), 3u);  // the leading edge ends one and starts the other
  EXPECT_EQ(shared.lower.front().x, 0.5);
  EXPECT_EQ(shared.upper.back().y, 2.0);
  r.leadingEdgeOmitted = true;
  EXPECT_EQ(PressureCurvesOf(r).lower.size(), 2u);
  r.upperCount = 99;
  EXPECT_EQ(PressureCurvesOf(r).upper.size(), 5u);
  r.upperCount = -1;
  r.leadingEdgeOmitted = false;
  EXPECT_EQ(PressureCurvesOf(r).lower.size(), 5u);
}

TEST(FigureText, SixSignificantDigits) {
  EXPECT_EQ(FigureText(0.645128449), "0.645128");
  EXPECT_EQ(FigureText(-0.0), "0");
  EXPECT_EQ(FigureText(1234567), "1.23457e+06");
  EXPECT_EQ(FigureText(2.5), "2.5");
}

}  // namespace
}  // namespace jouk
