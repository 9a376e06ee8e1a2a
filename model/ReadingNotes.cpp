#include "model/ReadingNotes.hpp"

#include <cmath>
#include <utility>

#include "model/NumberText.hpp"
#include "model/SectionGrid.hpp"
#include "model/SectionLookup.hpp"
#include "model/ShownText.hpp"

namespace jouk {

namespace {

// The notes a recompute's cuts add: a fractional count of streamlines, streamlines stopped at
// their capacity.
void AddCutNotes(const FlowState& st, const ParameterTexts& texts,
                 std::vector<ReadingNote>& notes) {
  const NumberReading count = ReadNumber(texts.kMax);
  if (count.value != std::floor(count.value)) {
    ReadingNote note{ReadingNote::kFractionalCount, kKMax, count};
    note.count = LastStreamline(st, count.value);
    notes.push_back(note);
  }
  const CapacityCut cut = CapacityCutOf(st);
  if (!cut.cut) return;
  ReadingNote note{ReadingNote::kPointCapacity, kDR, ReadNumber(texts.dR)};
  note.capacity = cut;
  note.fittingStep = StepThatFits(st, texts);
  notes.push_back(note);
}

}  // namespace

NumberReading ReadNumber(const std::string& text) {
  NumberReading r;
  r.value = TextToNumber(text);
  const std::size_t after = NumberEnd(text);
  r.hasNumber = after > 0;
  const std::size_t first = text.find_first_not_of(" \t\n\r\v\f", after);
  const std::size_t last = text.find_last_not_of(" \t\n\r\v\f");
  if (first != std::string::npos) r.rest = text.substr(first, last + 1 - first);
  r.whole = r.hasNumber && r.rest.empty();
  return r;
}

std::vector<ReadingNote> ReadingNotes(const FlowState& st, const ParameterTexts& texts) {
  std::vector<ReadingNote> notes;
  for (std::size_t k = 0; k < kParameterCount; ++k) {
    const NumberReading r = ReadNumber(texts.*kParameters[k].text);
    if (!r.whole) notes.push_back({ReadingNote::kNotReadWhole, k, r});
  }
  const double delta = TextToNumber(texts.Delta);
  const double gamma = TextToNumber(texts.Gama);
  if (FindSectionRow(st, delta, gamma) == 0) {
    for (const std::size_t k : {kDelta, kGama}) {
      notes.push_back({ReadingNote::kNotInTable, k, ReadNumber(texts.*kParameters[k].text), delta,
                       gamma, st.Eps == 0 && st.Mu == 0});
    }
  }
  AddCutNotes(st, texts, notes);
  return notes;
}

namespace {

MessagePlace Number(double value) {
  return {NumberToText(value)};
}

// The words of a note on a text not read whole.
FilledMessage ReadingMessage(const NumberReading& r) {
  if (!r.hasNumber) {
    return Filled(r.rest.empty() ? MessageId::kReadEmpty : MessageId::kReadNoNumber);
  }
  if (r.rest.front() == ',') return Filled(MessageId::kReadComma, {Number(r.value)});
  return Filled(MessageId::kReadRest, {Number(r.value), {ShownText(r.rest, 20)}});
}

// The words of a note on streamlines ended by the capacity.
FilledMessage CapacityMessage(const ReadingNote& note) {
  std::vector<MessagePlace> places{{std::to_string(note.capacity.points)},
                                   Number(std::round(note.capacity.reach * 100) / 100)};
  if (!note.fittingStep) return Filled(MessageId::kPointCapacity, std::move(places));
  places.push_back(Number(*note.fittingStep));
  return Filled(MessageId::kPointCapacityEdge, std::move(places));
}

}  // namespace

FilledMessage NoteMessage(const ReadingNote& note) {
  switch (note.kind) {
    case ReadingNote::kNotReadWhole:
      break;
    case ReadingNote::kNotInTable:
      return Filled(MessageId::kNotInTable,
                    {Number(note.delta), Number(note.gamma), Number(GridKey(0)),
                     Number(kLargestThickness), Number(kLargestCamber), Number(kGridStep),
                     MessageAsPlace(note.flatPlate ? MessageId::kFlatPlateComputed
                                                   : MessageId::kPreviousSectionKept)});
    case ReadingNote::kFractionalCount:
      return Filled(MessageId::kCountTaken, {{std::to_string(note.count)}});
    case ReadingNote::kPointCapacity:
      return CapacityMessage(note);
  }
  return ReadingMessage(note.reading);
}

std::string EnglishNote(const ReadingNote& note) {
  return EnglishText(NoteMessage(note));
}

std::array<bool, kParameterCount> PendingBoxes(const ParameterTexts& applied,
                                               const ParameterTexts& shown) {
  std::array<bool, kParameterCount> pending{};
  for (std::size_t k = 0; k < kParameterCount; ++k) {
    pending[k] = applied.*kParameters[k].text != shown.*kParameters[k].text;
  }
  return pending;
}

}  // namespace jouk
