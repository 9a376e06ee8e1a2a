// How much of a text its reading takes, and which boxes a recompute's notes name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/NumberText.hpp"
#include "model/ReadingNotes.hpp"
#include "model/Recompute.hpp"

namespace jouk {
namespace {

struct Reading {
  const char* text;
  bool whole, hasNumber;
  const char* rest;
};

TEST(ReadNumber, TellsWhatFollowsTheNumber) {
  for (const Reading& r : {Reading{"0.12", true, true, ""}, Reading{"  -10  ", true, true, ""},
                           Reading{"1e-3", true, true, ""}, Reading{".5", true, true, ""},
                           Reading{"5.", true, true, ""}, Reading{"0,12", false, true, ",12"},
                           Reading{"12abc ", false, true, "abc"}, Reading{"2e", false, true, "e"},
                           Reading{"1 5", false, true, "5"}, Reading{"abc", false, false, "abc"},
                           Reading{"", false, false, ""}, Reading{" \t", false, false, ""}}) {
    const NumberReading reading = ReadNumber(r.text);
    EXPECT_EQ(reading.whole, r.whole) << '"' << r.text << '"';
    EXPECT_EQ(reading.hasNumber, r.hasNumber) << '"' << r.text << '"';
    EXPECT_EQ(reading.rest, r.rest) << '"' << r.text << '"';
    EXPECT_EQ(reading.value, TextToNumber(r.text));
  }
}

// One note per box not read whole; a table miss names both the thickness and the camber box,
// and says whether the section kept is the flat plate of a store without a previous section.
TEST(ReadingNotes, NameTheBoxesOfARecompute) {
  FlowState st;
  LoadInitialisation(st);
  ParameterTexts texts;
  ASSERT_TRUE(Recompute(st, texts).ok);
  EXPECT_TRUE(ReadingNotes(st, texts).empty());

  texts.Delta = "0.125";
  texts.dR = "0.01 ";
  texts.Alfa = "7deg";
  ASSERT_TRUE(Recompute(st, texts).ok);
  const std::vector<ReadingNote> notes = ReadingNotes(st, texts);
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_EQ(notes[0].kind, ReadingNote::kNotReadWhole);
  EXPECT_EQ(notes[0].parameter, kAlfa);
  EXPECT_EQ(notes[0].reading.value, 7.0);
  for (const std::size_t k : {1u, 2u}) {
    EXPECT_EQ(notes[k].kind, ReadingNote::kNotInTable);
    EXPECT_EQ(notes[k].delta, 0.125);
    EXPECT_EQ(notes[k].gamma, 0.02);
    EXPECT_FALSE(notes[k].flatPlate);
  }
  EXPECT_EQ(notes[1].parameter, kDelta);
  EXPECT_EQ(notes[2].parameter, kGama);

  FlowState fresh;
  LoadInitialisation(fresh);
  ASSERT_TRUE(Recompute(fresh, texts).ok);
  EXPECT_TRUE(ReadingNotes(fresh, texts).back().flatPlate);
}

}  // namespace
}  // namespace jouk
