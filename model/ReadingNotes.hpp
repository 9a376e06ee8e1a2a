// What a recompute could not take as the user typed it, told without changing any number: a
// text read only up to its leading number (or read as 0 when it has none), and a thickness and
// camber pair that is not a row of the section table, so that the previous section is kept.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/Mdl_Common.hpp"
#include "model/Messages.hpp"
#include "model/Parameters.hpp"

namespace jouk {

// How much of a text its numeric reading took.
struct NumberReading {
  double value = 0;        // what TextToNumber gives
  bool whole = true;       // nothing but blanks around the number
  bool hasNumber = false;  // the text starts (after blanks) with a number
  std::string rest;        // what follows the number, blanks at its end dropped
};

// Reads text as TextToNumber does and says how much of it was read.
NumberReading ReadNumber(const std::string& text);

struct ReadingNote {
  enum Kind {
    kNotReadWhole,  // the text was read up to its leading number, or as 0 without one
    kNotInTable,    // the thickness and camber pair is not a row of the section table
  };
  Kind kind;
  std::size_t parameter;  // index in kParameters of the box the note belongs to
  NumberReading reading;  // how its text was read
  double delta = 0;       // for kNotInTable: the pair asked for,
  double gamma = 0;
  bool flatPlate = false;  // and whether the section kept is the flat plate (Eps = Mu = 0)
};

// The notes on the texts of a recompute that st has just made: one per box not read whole, and,
// when the thickness and camber pair is not in the table, one for each of the two boxes.
std::vector<ReadingNote> ReadingNotes(const FlowState& st, const ParameterTexts& texts);

// The note in words: "Read as 0: use a point as the decimal separator", the table-miss note with
// the pair asked for, the grid the table covers and what is computed instead. Numbers are in
// their shortest form; text the user typed is shown cut to 20 characters.
FilledMessage NoteMessage(const ReadingNote& note);

}  // namespace jouk
