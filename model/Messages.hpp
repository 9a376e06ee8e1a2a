// The texts the model has for people, each under an id: why a recompute refused its parameters,
// why the lift could not be computed, the notes on the edges a lift result leaves out and the
// notes on texts not read as typed. One table holds every text in English with the context a
// translation files it under; the window shows the translation of the id's text in the user's
// language, the exporter the English text, so editing a text here edits it for both, and a test
// finds any id whose translation is missing.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace jouk {

enum class MessageId : std::size_t {
  // Why a recompute refused its parameters (context "Recompute"); "%1" is the parameter's name.
  kTooLarge,              // "%1 is too large."
  kNotPositive,           // "%1 must be a positive number."
  kStreamlineCountRange,  // "%1 must be a number from 2 to 20."
  kStagnationOffSection,  // the Kutta factor puts the rear stagnation point off the circle
  kOutOfMemory,           // the solve could not get its memory
  kNotComputed,           // any other failure of the solve
  // Why the lift and pressure could not be computed (context "LiftError").
  kNoFlowYet,              // nothing computed in the store
  kNotJoukowskyMap,        // a map exponent other than 2
  kNotFinite,              // the store holds a value that is not a finite number
  kNoseOutsideCircle,      // Eps < 0: ζ = −b lies outside the circle
  kDegenerateCircle,       // no circle of positive radius
  kNoChord,                // trailing and leading edge coincide
  kPressureNotIntegrated,  // the pressure integral is not finite
  kSurfacePointsRange,     // "%1" and "%2": the fewest and most samples
  // An edge left out of the window's pressure curves (context "Form_Lift"); "%1": the Kutta
  // factor.
  kTrailingEdgeOffCurves,
  kLeadingEdgeOffCurves,
  // Edges left out of the surface table, one line for all (context "SurfaceNote"); "%1": the
  // Kutta factor.
  kBothEdgesOffTable,
  kTrailingEdgeOffTable,
  kLeadingEdgeOffTable,
  // Texts not read as typed (context "ReadingNote").
  kNotInTable,  // "%1", "%2": the pair; "%3" to "%6": the grid; "%7": what is computed instead
  kFlatPlateComputed,
  kPreviousSectionKept,
  kReadEmpty,
  kReadNoNumber,
  kReadComma,  // "%1": the number read
  kReadRest,   // "%1": the number read, "%2": the text after it
  // The words of the flow field's readout at a point (context "FieldReadout").
  kReadoutX,          // "x"
  kReadoutY,          // "y"
  kReadoutSpeed,      // "V/U"
  kReadoutCp,         // "Cp"
  kReadoutPsi,        // "ψ"
  kReadoutInside,     // "inside the section"
  kReadoutUnbounded,  // "unbounded"
};

// Number of ids: they run from 0 to kMessageCount − 1 in the order above.
inline constexpr std::size_t kMessageCount =
    static_cast<std::size_t>(MessageId::kReadoutUnbounded) + 1;

// A text of the table: the context its translation is filed under and the English text, where
// "%1", "%2", … mark the places its caller fills.
struct MessageText {
  const char* context;
  const char* english;
};

// The table's entry for id; empty texts for a number cast to an id that is none.
const MessageText& Message(MessageId id);

// A place of a message: a text that is the same in every language (a number, what the user
// typed), or, with a context, a text that is translated in that context (a parameter's name,
// another message).
struct MessagePlace {
  std::string text;
  const char* context = nullptr;
};

// A message ready to be put into words in any language: its English text with the context it is
// translated in (none for a text that is not translated) and what fills its "%1", "%2", ….
struct FilledMessage {
  const char* context = nullptr;
  std::string text;
  std::vector<MessagePlace> places;
};

// The message of id with the given places.
FilledMessage Filled(MessageId id, std::vector<MessagePlace> places = {});

// A place that holds the text of another message, translated as that message.
MessagePlace MessageAsPlace(MessageId id);

// Puts places[0], places[1], … into the "%1", "%2", … of text in one pass (a place's own "%1"
// stays as it is); a mark without a place stays too.
std::string FillPlaces(std::string_view text, const std::vector<std::string>& places);

// The English text of a filled message.
std::string EnglishText(const FilledMessage& message);

// The English text of id with "%1", "%2", … replaced by places[0], places[1], … in one pass (a
// place's own "%1" stays as it is); a mark without a place stays too.
std::string EnglishText(MessageId id, const std::vector<std::string>& places = {});

}  // namespace jouk
