// What a recompute could not take as the user typed it, told without changing any number: a
// text read only up to its leading number (or read as 0 when it has none), a thickness and
// camber pair that is not a row of the section table, so that the previous section is kept, a
// fractional count of streamlines, of which the whole part is drawn, and streamlines that stop at
// the point arrays' capacity before the edge of the picture. Also which text boxes hold a text
// that no recompute has taken yet. The notes come as message ids with their places, so that each
// front words them in its own language.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/Mdl_Common.hpp"
#include "model/Messages.hpp"
#include "model/Parameters.hpp"
#include "model/PointCapacity.hpp"

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
    kNotReadWhole,     // the text was read up to its leading number, or as 0 without one
    kNotInTable,       // the thickness and camber pair is not a row of the section table
    kFractionalCount,  // the count of streamlines has a fraction; its whole part is drawn
    kPointCapacity,    // streamlines end at the point arrays' capacity (a note on the dR box)
  };
  Kind kind;
  std::size_t parameter;  // index in kParameters of the box the note belongs to
  NumberReading reading;  // how its text was read
  double delta = 0;       // for kNotInTable: the pair asked for,
  double gamma = 0;
  bool flatPlate = false;     // and whether the section kept is the flat plate (Eps = Mu = 0)
  int count = 0;              // for kFractionalCount: the whole number used
  CapacityCut capacity = {};  // for kPointCapacity: where the streamlines end,
  std::optional<double> fittingStep = std::nullopt;  // and the smallest step that reaches the edge
};

// The notes on the texts of a recompute that st has just made: one per box not read whole,
// when the thickness and camber pair is not in the table one for each of the two boxes, one on
// a fractional count of streamlines, and one on the dR box when streamlines stop at their
// capacity (its step that fits found by trial solves, see StepThatFits).
std::vector<ReadingNote> ReadingNotes(const FlowState& st, const ParameterTexts& texts);

// The note in words: "Read as 0: use a point as the decimal separator", the table-miss note with
// the pair asked for, the grid the table covers and what is computed instead, the count of
// streamlines drawn, and where capacity-cut streamlines end (to two decimals) with the step that
// reaches the edge. Numbers are in their shortest form; text the user typed is shown cut to 20
// characters.
FilledMessage NoteMessage(const ReadingNote& note);

// The note in English, as the exporter prints it.
std::string EnglishNote(const ReadingNote& note);

// The boxes whose text differs from the texts of the last recompute that was applied: their text
// is not applied yet (kNotAppliedYet).
std::array<bool, kParameterCount> PendingBoxes(const ParameterTexts& applied,
                                               const ParameterTexts& shown);

}  // namespace jouk
