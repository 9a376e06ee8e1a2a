#include "model/Messages.hpp"

#include <array>
#include <string_view>

#include "model/Translatable.hpp"

namespace jouk {

namespace {

struct Row {
  MessageId id;
  MessageText text;
};

// Each text is marked for lupdate under the context its row names.
constexpr std::array<Row, kMessageCount> kMessages = {{
    {MessageId::kTooLarge, {"Recompute", QT_TRANSLATE_NOOP("Recompute", "%1 is too large.")}},
    {MessageId::kNotPositive,
     {"Recompute", QT_TRANSLATE_NOOP("Recompute", "%1 must be a positive number.")}},
    {MessageId::kStreamlineCountRange,
     {"Recompute", QT_TRANSLATE_NOOP("Recompute", "%1 must be a number from 2 to 20.")}},
    {MessageId::kStagnationOffSection,
     {"Recompute", QT_TRANSLATE_NOOP("Recompute",
                                     "The Kutta factor is too large for this angle of attack: the "
                                     "rear stagnation point would leave the section.")}},
    {MessageId::kOutOfMemory,
     {"Recompute",
      QT_TRANSLATE_NOOP("Recompute", "Not enough memory to compute the streamlines.")}},
    {MessageId::kNotComputed,
     {"Recompute", QT_TRANSLATE_NOOP("Recompute", "The streamlines could not be computed.")}},

    {MessageId::kNoFlowYet,
     {"LiftError", QT_TRANSLATE_NOOP("LiftError", "No flow has been computed yet.")}},
    {MessageId::kNotJoukowskyMap,
     {"LiftError",
      QT_TRANSLATE_NOOP("LiftError",
                        "The surface quantities need the Joukowsky map (exponent 2).")}},
    {MessageId::kNotFinite,
     {"LiftError", QT_TRANSLATE_NOOP(
                       "LiftError", "The stored flow holds a value that is not a finite number.")}},
    {MessageId::kNoseOutsideCircle,
     {"LiftError", QT_TRANSLATE_NOOP("LiftError",
                                     "The circle of the section must enclose the point ζ = −b "
                                     "(Eps ≥ 0).")}},
    {MessageId::kDegenerateCircle,
     {"LiftError", QT_TRANSLATE_NOOP("LiftError", "The circle of the section is degenerate.")}},
    {MessageId::kNoChord,
     {"LiftError", QT_TRANSLATE_NOOP("LiftError", "The section has no chord.")}},
    {MessageId::kPressureNotIntegrated,
     {"LiftError",
      QT_TRANSLATE_NOOP("LiftError", "The surface pressure could not be integrated.")}},
    {MessageId::kSurfacePointsRange,
     {"LiftError",
      QT_TRANSLATE_NOOP("LiftError", "The number of surface points must lie between %1 and %2.")}},

    {MessageId::kTrailingEdgeOffCurves,
     {"Form_Lift", QT_TRANSLATE_NOOP("Form_Lift",
                                     "With Kutta condition %1 the speed at the trailing edge is "
                                     "unbounded; the curves leave that point out.")}},
    {MessageId::kLeadingEdgeOffCurves,
     {"Form_Lift", QT_TRANSLATE_NOOP("Form_Lift",
                                     "The speed at the sharp leading edge is unbounded; the curves "
                                     "leave that point out.")}},

    {MessageId::kBothEdgesOffTable,
     {"SurfaceNote", QT_TRANSLATE_NOOP("SurfaceNote",
                                       "The speed is unbounded at the trailing edge (Kutta "
                                       "condition %1) and at the sharp leading edge; the surface "
                                       "table has no row for either.")}},
    {MessageId::kTrailingEdgeOffTable,
     {"SurfaceNote", QT_TRANSLATE_NOOP("SurfaceNote",
                                       "The speed is unbounded at the trailing edge (Kutta "
                                       "condition %1); the surface table has no row for it.")}},
    {MessageId::kLeadingEdgeOffTable,
     {"SurfaceNote", QT_TRANSLATE_NOOP("SurfaceNote",
                                       "The speed is unbounded at the sharp leading edge of this "
                                       "section of zero thickness; the surface table has no row "
                                       "for it.")}},

    {MessageId::kNotInTable,
     {"ReadingNote", QT_TRANSLATE_NOOP("ReadingNote",
                                       "δ %1 with γ %2 is not in the section table (δ %3 to %4 and "
                                       "γ %3 to %5 in steps of %6); %7")}},
    {MessageId::kFlatPlateComputed,
     {"ReadingNote",
      QT_TRANSLATE_NOOP("ReadingNote", "the flat plate (δ 0, γ 0) is computed instead")}},
    {MessageId::kPreviousSectionKept,
     {"ReadingNote", QT_TRANSLATE_NOOP("ReadingNote", "the previous section is kept")}},
    {MessageId::kReadEmpty,
     {"ReadingNote", QT_TRANSLATE_NOOP("ReadingNote", "Read as 0: the box is empty")}},
    {MessageId::kReadNoNumber,
     {"ReadingNote",
      QT_TRANSLATE_NOOP("ReadingNote", "Read as 0: the text does not start with a number")}},
    {MessageId::kReadComma,
     {"ReadingNote",
      QT_TRANSLATE_NOOP("ReadingNote", "Read as %1: use a point as the decimal separator")}},
    {MessageId::kReadRest,
     {"ReadingNote", QT_TRANSLATE_NOOP("ReadingNote",
                                       "Read as %1: the text after the number (\"%2\") is not "
                                       "read")}},
}};

constexpr bool RowsInIdOrder() {
  for (std::size_t k = 0; k < kMessages.size(); ++k) {
    if (static_cast<std::size_t>(kMessages[k].id) != k) return false;
  }
  return true;
}
static_assert(RowsInIdOrder(), "row k of the table holds the text of id k");

}  // namespace

const MessageText& Message(MessageId id) {
  return kMessages[static_cast<std::size_t>(id)].text;
}

std::string EnglishText(MessageId id, const std::vector<std::string>& places) {
  const std::string_view text = Message(id).english;
  std::string out;
  out.reserve(text.size());
  for (std::size_t k = 0; k < text.size(); ++k) {
    const bool mark =
        text[k] == '%' && k + 1 < text.size() && text[k + 1] >= '1' && text[k + 1] <= '9';
    const auto place = mark ? static_cast<std::size_t>(text[k + 1] - '1') : places.size();
    if (place < places.size()) {
      out += places[place];
      ++k;
    } else {
      out += text[k];
    }
  }
  return out;
}

}  // namespace jouk
