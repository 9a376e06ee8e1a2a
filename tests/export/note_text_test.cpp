// The notes on texts a recompute could not take as typed, in words: exact wording for each kind,
// and the table miss told for both of its boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/NoteText.hpp"
#include "model/ReadingNotes.hpp"
#include "model/Recompute.hpp"

namespace jouk {
namespace {

struct Reading {
  const char* text;
  bool whole;
  const char* note;  // for a text not read whole
};

TEST(ReadingNotes, TextsNotReadWholeAreToldWhatWasUsed) {
  for (const Reading& r : {
           Reading{"0.12", true, ""},
           Reading{"  -10  ", true, ""},
           Reading{"1e-3", true, ""},
           Reading{".5", true, ""},
           Reading{"5.", true, ""},
           Reading{"0,12", false, "Read as 0: use a point as the decimal separator"},
           Reading{"12abc", false, "Read as 12: the text after the number (\"abc\") is not read"},
           Reading{"2e", false, "Read as 2: the text after the number (\"e\") is not read"},
           Reading{"1 5", false, "Read as 1: the text after the number (\"5\") is not read"},
           Reading{"abc", false, "Read as 0: the text does not start with a number"},
           Reading{",5", false, "Read as 0: the text does not start with a number"},
           Reading{"", false, "Read as 0: the box is empty"},
           Reading{" \t", false, "Read as 0: the box is empty"},
       }) {
    const NumberReading reading = ReadNumber(r.text);
    if (r.whole) continue;
    const ReadingNote note{ReadingNote::kNotReadWhole, kAlfa, reading};
    EXPECT_EQ(NoteText(note).toStdString(), r.note) << '"' << r.text << '"';
  }
}

std::vector<ReadingNote> NotesAfterRecompute(FlowState& st, const ParameterTexts& texts) {
  EXPECT_TRUE(Recompute(st, texts).ok);
  return ReadingNotes(st, texts);
}

TEST(ReadingNotes, ATableMissIsToldOnBothBoxes) {
  FlowState st;
  LoadInitialisation(st);
  EXPECT_TRUE(NotesAfterRecompute(st, ParameterTexts{}).empty());

  ParameterTexts texts;
  texts.Delta = "0.125";
  const std::vector<ReadingNote> notes = NotesAfterRecompute(st, texts);
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes[0].parameter, kDelta);
  EXPECT_EQ(notes[1].parameter, kGama);
  const std::string told =
      "δ 0.125 with γ 0.02 is not in the section table (δ 0 to 0.3 and γ 0 to 0.15 in steps of "
      "0.01); the previous section is kept";
  EXPECT_EQ(NoteText(notes[0]).toStdString(), told);
  EXPECT_EQ(NoteText(notes[1]).toStdString(), told);

  // A fresh store computes the flat plate; a comma in the thickness is both a miss ("0,12" reads
  // as 0, and 0 with 0.16 is no row) and a text not read whole.
  FlowState fresh;
  LoadInitialisation(fresh);
  texts.Delta = "0,12";
  texts.Gama = "0.16";
  const std::vector<ReadingNote> both = NotesAfterRecompute(fresh, texts);
  ASSERT_EQ(both.size(), 3u);
  EXPECT_EQ(both[0].kind, ReadingNote::kNotReadWhole);
  EXPECT_EQ(both[0].parameter, kDelta);
  EXPECT_EQ(NoteText(both[1]).toStdString(),
            "δ 0 with γ 0.16 is not in the section table (δ 0 to 0.3 and γ 0 to 0.15 in steps of "
            "0.01); the flat plate (δ 0, γ 0) is computed instead");
}

}  // namespace
}  // namespace jouk
