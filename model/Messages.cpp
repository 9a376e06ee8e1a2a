#include "model/Messages.hpp"

#include <array>
#include <span>
#include <string_view>
#include <utility>

#include "model/Translatable.hpp"

namespace jouk {

namespace {

// The English texts of each context, in the order of their ids, each marked for lupdate under
// that context.
constexpr const char* kRecomputeTexts[] = {
    QT_TRANSLATE_NOOP("Recompute", "%1 is too large."),
    QT_TRANSLATE_NOOP("Recompute", "%1 must be a positive number."),
    QT_TRANSLATE_NOOP("Recompute", "%1 must be a number from 2 to 20."),
    QT_TRANSLATE_NOOP("Recompute",
                      "The Kutta factor is too large for this angle of attack: the rear stagnation "
                      "point would leave the section."),
    QT_TRANSLATE_NOOP("Recompute", "Not enough memory to compute the streamlines."),
    QT_TRANSLATE_NOOP("Recompute", "The streamlines could not be computed."),
};
constexpr const char* kLiftErrorTexts[] = {
    QT_TRANSLATE_NOOP("LiftError", "No flow has been computed yet."),
    QT_TRANSLATE_NOOP("LiftError", "The surface quantities need the Joukowsky map (exponent 2)."),
    QT_TRANSLATE_NOOP("LiftError", "The stored flow holds a value that is not a finite number."),
    QT_TRANSLATE_NOOP("LiftError",
                      "The circle of the section must enclose the point ζ = −b (Eps ≥ 0)."),
    QT_TRANSLATE_NOOP("LiftError", "The circle of the section is degenerate."),
    QT_TRANSLATE_NOOP("LiftError", "The section has no chord."),
    QT_TRANSLATE_NOOP("LiftError", "The surface pressure could not be integrated."),
    QT_TRANSLATE_NOOP("LiftError", "The number of surface points must lie between %1 and %2."),
};
constexpr const char* kCurveNoteTexts[] = {
    QT_TRANSLATE_NOOP("Form_Lift",
                      "With Kutta condition %1 the speed at the trailing edge is unbounded; the "
                      "curves leave that point out."),
    QT_TRANSLATE_NOOP("Form_Lift",
                      "The speed at the sharp leading edge is unbounded; the curves leave that "
                      "point out."),
};
constexpr const char* kTableNoteTexts[] = {
    QT_TRANSLATE_NOOP("SurfaceNote",
                      "The speed is unbounded at the trailing edge (Kutta condition %1) and at the "
                      "sharp leading edge; the surface table has no row for either."),
    QT_TRANSLATE_NOOP("SurfaceNote",
                      "The speed is unbounded at the trailing edge (Kutta condition %1); the "
                      "surface table has no row for it."),
    QT_TRANSLATE_NOOP("SurfaceNote",
                      "The speed is unbounded at the sharp leading edge of this section of zero "
                      "thickness; the surface table has no row for it."),
};
constexpr const char* kReadingNoteTexts[] = {
    QT_TRANSLATE_NOOP("ReadingNote",
                      "δ %1 with γ %2 is not in the section table (δ %3 to %4 and γ %3 to %5 in "
                      "steps of %6); %7"),
    QT_TRANSLATE_NOOP("ReadingNote", "the flat plate (δ 0, γ 0) is computed instead"),
    QT_TRANSLATE_NOOP("ReadingNote", "the previous section is kept"),
    QT_TRANSLATE_NOOP("ReadingNote", "Read as 0: the box is empty"),
    QT_TRANSLATE_NOOP("ReadingNote", "Read as 0: the text does not start with a number"),
    QT_TRANSLATE_NOOP("ReadingNote", "Read as %1: use a point as the decimal separator"),
    QT_TRANSLATE_NOOP("ReadingNote", "Read as %1: the text after the number (\"%2\") is not read"),
};

constexpr const char* kReadoutTexts[] = {
    QT_TRANSLATE_NOOP("FieldReadout", "x"),
    QT_TRANSLATE_NOOP("FieldReadout", "y"),
    QT_TRANSLATE_NOOP("FieldReadout", "V/U"),
    QT_TRANSLATE_NOOP("FieldReadout", "Cp"),
    QT_TRANSLATE_NOOP("FieldReadout", "ψ"),
    QT_TRANSLATE_NOOP("FieldReadout", "inside the section"),
    QT_TRANSLATE_NOOP("FieldReadout", "unbounded"),
};

// The texts of one context: its name, the id of its first text, the texts.
struct Group {
  const char* context;
  MessageId first;
  std::span<const char* const> texts;
};

constexpr Group kGroups[] = {
    {"Recompute", MessageId::kTooLarge, kRecomputeTexts},
    {"LiftError", MessageId::kNoFlowYet, kLiftErrorTexts},
    {"Form_Lift", MessageId::kTrailingEdgeOffCurves, kCurveNoteTexts},
    {"SurfaceNote", MessageId::kBothEdgesOffTable, kTableNoteTexts},
    {"ReadingNote", MessageId::kNotInTable, kReadingNoteTexts},
    {"FieldReadout", MessageId::kReadoutX, kReadoutTexts},
};

// Each group starts at the id after the last text of the one before, and the last ends the ids.
constexpr bool GroupsFollowTheIds() {
  std::size_t next = 0;
  for (const Group& g : kGroups) {
    if (static_cast<std::size_t>(g.first) != next) return false;
    next += g.texts.size();
  }
  return next == kMessageCount;
}
static_assert(GroupsFollowTheIds(), "the groups hold the texts of the ids in their order");

// The table by id: entry k holds the context and the English text of id k.
constexpr std::array<MessageText, kMessageCount> ById() {
  std::array<MessageText, kMessageCount> table{};
  std::size_t k = 0;
  for (const Group& g : kGroups) {
    for (const char* text : g.texts) table[k++] = {g.context, text};
  }
  return table;
}
constexpr std::array<MessageText, kMessageCount> kMessages = ById();

}  // namespace

const MessageText& Message(MessageId id) {
  static constexpr MessageText kNoText{"", ""};  // for a number cast to an id that is none
  const auto k = static_cast<std::size_t>(id);
  return k < kMessages.size() ? kMessages[k] : kNoText;
}

std::string FillPlaces(std::string_view text, const std::vector<std::string>& places) {
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

std::string EnglishText(MessageId id, const std::vector<std::string>& places) {
  return FillPlaces(Message(id).english, places);
}

FilledMessage Filled(MessageId id, std::vector<MessagePlace> places) {
  const MessageText& m = Message(id);
  return {m.context, m.english, std::move(places)};
}

MessagePlace MessageAsPlace(MessageId id) {
  const MessageText& m = Message(id);
  return {m.english, m.context};
}

std::string EnglishText(const FilledMessage& message) {
  std::vector<std::string> places;
  for (const MessagePlace& p : message.places) places.push_back(p.text);
  return FillPlaces(message.text, places);
}

}  // namespace jouk
