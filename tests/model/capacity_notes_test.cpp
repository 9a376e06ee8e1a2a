// The notes on what a recompute cuts: streamlines ended by the point arrays' capacity, with the
// smallest ladder step that reaches the edge, and a fractional count of streamlines; the words of
// every note, and which boxes hold a text not yet applied.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "model/NumberText.hpp"
#include "model/PointCapacity.hpp"
#include "model/ReadingNotes.hpp"
#include "model/Recompute.hpp"
#include "tests/common/ParameterSets.hpp"
#include "tests/model/Tolerance.hpp"

namespace jouk {
namespace {

using testing::Near;

std::unique_ptr<FlowState> Solved(const ParameterTexts& texts) {
  auto st = std::make_unique<FlowState>();
  LoadInitialisation(*st);
  EXPECT_TRUE(Recompute(*st, texts).ok);
  return st;
}

ParameterTexts Heavy(const char* scale, const char* dR) {
  ParameterTexts t = testing::HeavyTexts();
  t.Olcek = scale;
  t.dR = dR;
  return t;
}

TEST(PointCapacity, LadderStepsAreTheNextOfOneTwoFive) {
  const struct {
    double step;
    const char* next;
  } rows[] = {{0.0005, "0.001"}, {0.001, "0.002"}, {0.0011, "0.002"},  {0.002, "0.005"},
              {0.005, "0.01"},   {0.01, "0.02"},   {1, "2"},           {4.9, "5"},
              {5, "10"},         {20, "50"},       {1e-7, "0.0000002"}};
  for (const auto& r : rows) EXPECT_EQ(NextLadderStep(r.step), r.next) << r.step;
}

// The heaviest set: every further streamline ends at its capacity; at dR 0.0005 the further ones
// end about x = ±1.55 of the ±3 picture, at dR 0.001 about ±2.7; dR 0.002 has room for all.
TEST(PointCapacity, TheHeaviestSetEndsShortOfTheEdge) {
  const struct {
    const char* dR;
    double reach, tol;
  } rows[] = {{"0.0005", 1.55, 0.005}, {"0.001", 2.7, 0.05}};
  for (const auto& r : rows) {
    const auto st = Solved(Heavy("3", r.dR));
    for (int i = 3; i <= 20; ++i) EXPECT_EQ(st->nPts[i], StreamlineCapacity(i)) << i;
    const CapacityCut cut = CapacityCutOf(*st);
    ASSERT_TRUE(cut.cut) << r.dR;
    EXPECT_EQ(cut.points, 5000);
    EXPECT_TRUE(Near(cut.reach, r.reach, r.tol)) << r.dR;
    EXPECT_EQ(StepThatFits(*st, Heavy("3", r.dR)), 0.002) << r.dR;
  }
  EXPECT_FALSE(CapacityCutOf(*Solved(Heavy("3", "0.002"))).cut);
}

// At several scales the step found has room and the ladder step below it (when above dR) has
// not: the smallest step of the ladder.
TEST(PointCapacity, TheStepFoundIsTheSmallestThatFits) {
  const struct {
    const char* scale;
    const char* dR;
    double fits;
  } rows[] = {{"2", "0.0005", 0.001},
              {"3", "0.0001", 0.002},
              {"6", "0.001", 0.005},
              {"10", "0.001", 0.005}};
  for (const auto& r : rows) {
    const auto st = Solved(Heavy(r.scale, r.dR));
    ASSERT_TRUE(CapacityCutOf(*st).cut) << r.scale;
    EXPECT_EQ(StepThatFits(*st, Heavy(r.scale, r.dR)), r.fits) << r.scale;
    EXPECT_FALSE(CapacityCutOf(*Solved(Heavy(r.scale, NumberToText(r.fits).c_str()))).cut);
    const std::string below = NumberToText(r.fits / (r.fits == 0.005 ? 2.5 : 2));
    if (TextToNumber(below) > TextToNumber(r.dR)) {
      EXPECT_TRUE(CapacityCutOf(*Solved(Heavy(r.scale, below.c_str()))).cut) << below;
    }
  }
}

// A full streamline whose ends lie beyond the picture cuts nothing one can see.
TEST(PointCapacity, FullStreamlinesEndingOutsideThePictureAreNoCut) {
  const auto st = Solved(Heavy("1.5", "0.0005"));
  EXPECT_EQ(st->nPts[3], StreamlineCapacity(3));
  EXPECT_FALSE(CapacityCutOf(*st).cut);
  EXPECT_FALSE(CapacityCutOf(*Solved(testing::StartupTexts())).cut);
}

const ReadingNote* NoteOn(const std::vector<ReadingNote>& notes, std::size_t parameter,
                          ReadingNote::Kind kind) {
  for (const ReadingNote& n : notes) {
    if (n.parameter == parameter && n.kind == kind) return &n;
  }
  return nullptr;
}

TEST(CutNotes, TheDrBoxTellsTheCutAndTheStepThatFits) {
  const ParameterTexts texts = testing::HeavyTexts();
  const auto notes = ReadingNotes(*Solved(texts), texts);
  const ReadingNote* note = NoteOn(notes, kDR, ReadingNote::kPointCapacity);
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(EnglishNote(*note),
            "Streamlines end at 5000 points, at about x = ±1.55; dR 0.002 or more reaches the "
            "edge of the picture");
  ReadingNote none = *note;
  none.fittingStep.reset();
  EXPECT_EQ(EnglishNote(none), "Streamlines end at 5000 points, at about x = ±1.55");
}

// The count drawn is the whole part of a fractional count, "3.7" as "19.6"; a whole count in any
// form ("4.0", "4e0") is no note.
TEST(CutNotes, AFractionalCountTellsTheCountDrawn) {
  const struct {
    const char* text;
    int drawn;  // 0: no note
  } rows[] = {{"3.7", 3}, {"19.6", 19}, {"2.5", 2}, {"4.0", 0}, {"4e0", 0}, {"20", 0}};
  for (const auto& r : rows) {
    ParameterTexts texts;
    texts.kMax = r.text;
    const auto notes = ReadingNotes(*Solved(texts), texts);
    const ReadingNote* note = NoteOn(notes, kKMax, ReadingNote::kFractionalCount);
    if (r.drawn == 0) {
      EXPECT_EQ(note, nullptr) << r.text;
      continue;
    }
    ASSERT_NE(note, nullptr) << r.text;
    EXPECT_EQ(EnglishNote(*note),
              "Taken as " + std::to_string(r.drawn) + ": streamlines are counted in whole numbers");
  }
}

// The words of the older notes, in English as the exporter prints them.
TEST(CutNotes, EveryKindHasItsWords) {
  ParameterTexts texts;
  texts.Delta = "0.125";
  texts.Gama = "x";
  texts.Alfa = "12abc";
  texts.iKutta = "0,5";
  auto notes = ReadingNotes(*Solved(texts), texts);
  ASSERT_EQ(notes.size(), 5u);
  EXPECT_EQ(EnglishNote(notes[0]), "Read as 0: the text does not start with a number");
  EXPECT_EQ(EnglishNote(notes[1]), "Read as 12: the text after the number (\"abc\") is not read");
  EXPECT_EQ(EnglishNote(notes[2]), "Read as 0: use a point as the decimal separator");
  EXPECT_EQ(EnglishNote(notes[3]),
            "δ 0.125 with γ 0 is not in the section table (δ 0 to 0.3 and γ 0 to 0.15 in steps "
            "of 0.01); the flat plate (δ 0, γ 0) is computed instead");
  texts = ParameterTexts{};
  texts.iKutta = "";
  notes = ReadingNotes(*Solved(texts), texts);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(EnglishNote(notes[0]), "Read as 0: the box is empty");
}

TEST(PendingBoxes, MarkEveryBoxThatDiffersFromTheAppliedTexts) {
  ParameterTexts applied;
  ParameterTexts shown = applied;
  for (const bool p : PendingBoxes(applied, shown)) EXPECT_FALSE(p);
  shown.Alfa = "5 ";  // the same number, another text: not what was applied
  shown.dR = "0.02";
  const auto pending = PendingBoxes(applied, shown);
  for (std::size_t k = 0; k < kParameterCount; ++k) {
    EXPECT_EQ(pending[k], k == kAlfa || k == kDR) << k;
  }
}

}  // namespace
}  // namespace jouk
