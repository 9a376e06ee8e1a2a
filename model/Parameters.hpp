// The eight parameters of a flow and every fact about each of them in one table: the field that
// holds its text, its start text, its label, name and description, the exporter's option and its
// help, the values the help names, and its scroll bar's range, steps and divisor. The window, the
// web page, the exporter, the recompute's checks and the tests all take these facts from here;
// where the windows place the controls is layout/WindowLayout.hpp's business.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/Mdl_Common.hpp"
#include "model/SectionGrid.hpp"
#include "model/Translatable.hpp"

namespace jouk {

// The eight parameter texts as the window's text boxes hold them. A default-constructed set holds
// the start texts of the table below (the k-th field takes the k-th row's).
struct ParameterTexts {
  // The start text of row k of the parameter table.
  static constexpr const char* StartText(std::size_t k);

  std::string Delta = StartText(0);   // relative thickness
  std::string Gama = StartText(1);    // relative camber
  std::string Alfa = StartText(2);    // angle of attack, degrees
  std::string iKutta = StartText(3);  // circulation factor
  std::string Olcek = StartText(4);   // scale
  std::string dPsi = StartText(5);    // stream-function step
  std::string kMax = StartText(6);    // index of the last streamline
  std::string dR = StartText(7);      // radial marching step

  bool operator==(const ParameterTexts&) const = default;
};

// A parameter's scroll bar: its range, steps and start position, and the divisor that turns a
// position p into the value p / divisor.
struct ScrollRange {
  int minimum, maximum, start, arrowStep, pageStep;
  double divisor;
};

// The values the exporter's help names for a parameter: none, any number above zero, the whole
// numbers from low to high, or the multiples of step from low to high.
struct HelpValues {
  enum Kind { kUnstated, kPositive, kWhole, kMultiples } kind;
  double low, high, step;
};

// Everything about one parameter.
struct ParameterFacts {
  std::string ParameterTexts::*text;  // the field that holds its text
  const char* startText;              // the text the window starts with
  // The three texts the window shows, in English; the window translates each in the context
  // its mark in the table names ("ParameterLabel", "ParameterName", "ParameterDescription").
  const char* label;               // caption of its label in the window ("δ =")
  const char* name;                // how messages name it ("δ")
  const char* description;         // what it is, for accessibility and help
  const char* option;              // the exporter's option ("--delta")
  const char* optionHelp;          // what the option sets, for the exporter's help (see OptionHelp)
  HelpValues values;               // the values the help names after it
  std::optional<ScrollRange> bar;  // its scroll bar; none for the radial step
};

inline constexpr std::size_t kParameterCount = 8;

// The contexts the parameters' texts are translated in, as their marks in the table name them.
inline constexpr char kLabelContext[] = "ParameterLabel";
inline constexpr char kNameContext[] = "ParameterName";
inline constexpr char kDescriptionContext[] = "ParameterDescription";

// The lowest index of the last streamline: the contour and the two halves of the dividing
// streamline, and no further streamline.
inline constexpr int kLowestLastStreamline = 2;

// The multiples of the table's grid step that the help names for thickness and camber: from 0 to
// the largest key of each (the section table holds them; its test checks that they agree).
inline constexpr HelpValues kThicknessKeys = {HelpValues::kMultiples, GridKey(0), kLargestThickness,
                                              kGridStep};
inline constexpr HelpValues kCamberKeys = {HelpValues::kMultiples, GridKey(0), kLargestCamber,
                                           kGridStep};
// The whole numbers of the last streamline's index the recompute accepts.
inline constexpr HelpValues kStreamlineIndices = {HelpValues::kWhole, kLowestLastStreamline,
                                                  kLastStreamline, 1};
inline constexpr HelpValues kAnyPositive = {HelpValues::kPositive, 0, 0, 0};
inline constexpr HelpValues kValuesUnstated = {HelpValues::kUnstated, 0, 0, 0};

// The parameters in the order the recompute reads them: thickness, camber, angle of attack,
// Kutta factor, scale, stream-function step, number of streamlines, radial step.
inline constexpr std::array<ParameterFacts, kParameterCount> kParameters = {{
    {&ParameterTexts::Delta, "0.12", QT_TRANSLATE_NOOP("ParameterLabel", "δ ="),
     QT_TRANSLATE_NOOP("ParameterName", "δ"),
     QT_TRANSLATE_NOOP("ParameterDescription", "Relative thickness"), "--delta",
     "relative thickness", kThicknessKeys, ScrollRange{1, 30, 12, 1, 1, 100.0}},
    {&ParameterTexts::Gama, "0.02", QT_TRANSLATE_NOOP("ParameterLabel", "γ ="),
     QT_TRANSLATE_NOOP("ParameterName", "γ"),
     QT_TRANSLATE_NOOP("ParameterDescription", "Relative camber"), "--gamma", "relative camber",
     kCamberKeys, ScrollRange{0, 14, 2, 1, 1, 100.0}},
    {&ParameterTexts::Alfa, "5", QT_TRANSLATE_NOOP("ParameterLabel", "α ="),
     QT_TRANSLATE_NOOP("ParameterName", "α"),
     QT_TRANSLATE_NOOP("ParameterDescription", "Angle of attack (degrees)"), "--alpha",
     "angle of attack in degrees", kValuesUnstated, ScrollRange{-10, 30, 5, 1, 5, 1.0}},
    // The caption is wider than its label: it wraps, "Kutta" above "condition".
    {&ParameterTexts::iKutta, "1", QT_TRANSLATE_NOOP("ParameterLabel", "Kutta condition"),
     QT_TRANSLATE_NOOP("ParameterName", "Kutta condition"),
     QT_TRANSLATE_NOOP("ParameterDescription", "Kutta condition factor"), "--kutta",
     "circulation factor: 1 Kutta condition, 0 none", kValuesUnstated,
     ScrollRange{0, 10, 10, 1, 1, 10.0}},
    {&ParameterTexts::Olcek, "1", QT_TRANSLATE_NOOP("ParameterLabel", "Scale ="),
     QT_TRANSLATE_NOOP("ParameterName", "Scale"),
     QT_TRANSLATE_NOOP("ParameterDescription", "Plot scale (half the plot width)"), "--scale",
     "half the width of the picture in chord units", kValuesUnstated,
     ScrollRange{5, 30, 10, 1, 5, 10.0}},
    {&ParameterTexts::dPsi, "0.07", QT_TRANSLATE_NOOP("ParameterLabel", "Δψ ="),
     QT_TRANSLATE_NOOP("ParameterName", "Δψ"),
     QT_TRANSLATE_NOOP("ParameterDescription", "Stream-function step between streamlines"),
     "--dpsi", "stream-function step between streamlines", kAnyPositive,
     ScrollRange{1, 10, 7, 1, 1, 100.0}},
    {&ParameterTexts::kMax, "10", QT_TRANSLATE_NOOP("ParameterLabel", "nSL ="),
     QT_TRANSLATE_NOOP("ParameterName", "nSL"),
     QT_TRANSLATE_NOOP("ParameterDescription", "Number of streamlines"), "--nsl",
     "index of the last streamline", kStreamlineIndices,
     ScrollRange{kLowestLastStreamline, 10, 10, 2, 2, 1.0}},
    {&ParameterTexts::dR, "0.01", QT_TRANSLATE_NOOP("ParameterLabel", "dR ="),
     QT_TRANSLATE_NOOP("ParameterName", "dR"),
     QT_TRANSLATE_NOOP("ParameterDescription", "Radial marching step"), "--dr",
     "radial marching step of the solver", kAnyPositive, std::nullopt},
}};

constexpr const char* ParameterTexts::StartText(std::size_t k) {
  return kParameters[k].startText;
}

// Positions in the table, for code that needs one parameter's value by name.
enum ParameterIndex : std::size_t { kDelta, kGama, kAlfa, kKutta, kOlcek, kDPsi, kKMax, kDR };
static_assert(kParameters[kDelta].text == &ParameterTexts::Delta &&
              kParameters[kGama].text == &ParameterTexts::Gama &&
              kParameters[kAlfa].text == &ParameterTexts::Alfa &&
              kParameters[kKutta].text == &ParameterTexts::iKutta &&
              kParameters[kOlcek].text == &ParameterTexts::Olcek &&
              kParameters[kDPsi].text == &ParameterTexts::dPsi &&
              kParameters[kKMax].text == &ParameterTexts::kMax &&
              kParameters[kDR].text == &ParameterTexts::dR);

// The parameter whose exporter option is `option`, or nullptr.
const ParameterFacts* ParameterByOption(std::string_view option);

// The exporter's help on the values the option takes: what it sets, then the values its help
// names, each number written from the constant that governs it ("relative thickness, a multiple
// of 0.01 from 0 to 0.3", "index of the last streamline, 2 to 20").
std::string OptionHelp(const ParameterFacts& p);

}  // namespace jouk
