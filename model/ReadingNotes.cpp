#include "model/ReadingNotes.hpp"

#include "model/NumberText.hpp"
#include "model/SectionGrid.hpp"
#include "model/SectionLookup.hpp"
#include "model/ShownText.hpp"

namespace jouk {

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
  return notes;
}

namespace {

MessagePlace Number(double value) {
  return {NumberToText(value)};
}

}  // namespace

FilledMessage NoteMessage(const ReadingNote& note) {
  if (note.kind == ReadingNote::kNotInTable) {
    return Filled(MessageId::kNotInTable,
                  {Number(note.delta), Number(note.gamma), Number(GridKey(0)),
                   Number(kLargestThickness), Number(kLargestCamber), Number(kGridStep),
                   MessageAsPlace(note.flatPlate ? MessageId::kFlatPlateComputed
                                                 : MessageId::kPreviousSectionKept)});
  }
  const NumberReading& r = note.reading;
  if (!r.hasNumber)
    return Filled(r.rest.empty() ? MessageId::kReadEmpty : MessageId::kReadNoNumber);
  if (r.rest.front() == ',') return Filled(MessageId::kReadComma, {Number(r.value)});
  return Filled(MessageId::kReadRest, {Number(r.value), {ShownText(r.rest, 20)}});
}

}  // namespace jouk
