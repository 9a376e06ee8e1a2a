// The eight parameters of a flow and every fact about each of them in one table: the field that
// holds its text, its start text, its label in the window, the exporter's option, its scroll bar
// (range, steps and divisor) and where the window lays its controls out. The window, the
// exporter, the recompute's checks and the tests all take these facts from here.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

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

// A rectangle of the window's layout in twips (1/1440 inch), relative to its frame.
struct TwipBox {
  int left, top, width, height;
};

// A control of the window: its object name, place and position in the tab order.
struct ControlSpec {
  const char* name;
  TwipBox box;
  int tabIndex;
};

// A parameter's scroll bar: its range, steps and start position, and the divisor that turns a
// position p into the value p / divisor.
struct ScrollBarSpec {
  ControlSpec control;
  int minimum, maximum, start, arrowStep, pageStep;
  double divisor;
};

// Everything about one parameter.
struct ParameterSpec {
  std::string ParameterTexts::*text;  // the field that holds its text
  const char* startText;              // the text the window starts with
  // The three texts the window shows, in English; the window translates each in the context
  // its mark in the table names ("ParameterLabel", "ParameterName", "ParameterDescription").
  const char* label;         // caption of its label in the window ("δ =")
  const char* name;          // how messages name it ("δ")
  const char* description;   // what it is, for accessibility and help
  const char* option;        // the exporter's option ("--delta")
  const char* optionHelp;    // the exporter's help on the values it takes
  int frame;                 // 1: section and flow, 2: streamlines and view
  ControlSpec labelControl;  // its label ("Label1"), which the tab order skips
  ControlSpec textBox;       // its text box ("Text_DELTA")
  ScrollBarSpec bar;         // its scroll bar ("HScroll_Delta"); name empty for none
};

inline constexpr std::size_t kParameterCount = 8;

// The parameters in the order the recompute reads them: thickness, camber, angle of attack,
// Kutta factor, scale, stream-function step, number of streamlines, radial step.
// Geometry in twips relative to the frame; tab indices count over the whole window.
inline constexpr std::array<ParameterSpec, kParameterCount> kParameters = {{
    {&ParameterTexts::Delta,
     "0.12",
     QT_TRANSLATE_NOOP("ParameterLabel", "δ ="),
     QT_TRANSLATE_NOOP("ParameterName", "δ"),
     QT_TRANSLATE_NOOP("ParameterDescription", "Relative thickness"),
     "--delta",
     "relative thickness, a multiple of 0.01 from 0 to 0.3",
     1,
     {"Label1", {600, 360, 375, 255}, 1},
     {"Text_DELTA", {960, 360, 495, 285}, 2},
     {{"HScroll_Delta", {1440, 360, 1215, 255}, 20}, 1, 30, 12, 1, 1, 100.0}},
    {&ParameterTexts::Gama,
     "0.02",
     QT_TRANSLATE_NOOP("ParameterLabel", "γ ="),
     QT_TRANSLATE_NOOP("ParameterName", "γ"),
     QT_TRANSLATE_NOOP("ParameterDescription", "Relative camber"),
     "--gamma",
     "relative camber, a multiple of 0.01 from 0 to 0.15",
     1,
     {"Label2", {600, 720, 375, 255}, 3},
     {"Text_GAMA", {960, 720, 495, 285}, 4},
     {{"HScroll_Gama", {1440, 720, 1215, 255}, 21}, 0, 14, 2, 1, 1, 100.0}},
    {&ParameterTexts::Alfa,
     "5",
     QT_TRANSLATE_NOOP("ParameterLabel", "α ="),
     QT_TRANSLATE_NOOP("ParameterName", "α"),
     QT_TRANSLATE_NOOP("ParameterDescription", "Angle of attack (degrees)"),
     "--alpha",
     "angle of attack in degrees",
     1,
     {"Label5", {600, 1080, 255, 255}, 5},
     {"Text_Alfa", {960, 1080, 495, 285}, 6},
     {{"HScroll_Alfa", {1440, 1080, 1215, 255}, 18}, -10, 30, 5, 1, 5, 1.0}},
    // The caption is wider than its label: it wraps, "Kutta" above "condition".
    {&ParameterTexts::iKutta,
     "1",
     QT_TRANSLATE_NOOP("ParameterLabel", "Kutta condition"),
     QT_TRANSLATE_NOOP("ParameterName", "Kutta condition"),
     QT_TRANSLATE_NOOP("ParameterDescription", "Kutta condition factor"),
     "--kutta",
     "circulation factor: 1 Kutta condition, 0 none",
     1,
     {"Label6", {240, 1320, 735, 375}, 7},
     {"Text_iKutta", {960, 1440, 495, 285}, 8},
     {{"HScroll_iKutta", {1440, 1440, 1215, 255}, 19}, 0, 10, 10, 1, 1, 10.0}},
    {&ParameterTexts::Olcek,
     "1",
     QT_TRANSLATE_NOOP("ParameterLabel", "Scale ="),
     QT_TRANSLATE_NOOP("ParameterName", "Scale"),
     QT_TRANSLATE_NOOP("ParameterDescription", "Plot scale (half the plot width)"),
     "--scale",
     "half the width of the picture in chord units",
     2,
     {"Label4", {120, 1080, 615, 255}, 15},
     {"Text_Olcek", {840, 1080, 495, 285}, 14},
     {{"HScroll_Olcek", {1320, 1080, 1455, 255}, 24}, 5, 30, 10, 1, 5, 10.0}},
    {&ParameterTexts::dPsi,
     "0.07",
     QT_TRANSLATE_NOOP("ParameterLabel", "Δψ ="),
     QT_TRANSLATE_NOOP("ParameterName", "Δψ"),
     QT_TRANSLATE_NOOP("ParameterDescription", "Stream-function step between streamlines"),
     "--dpsi",
     "stream-function step between streamlines, > 0",
     2,
     {"Label7", {360, 360, 375, 255}, 13},
     {"Text_dPsi", {840, 360, 495, 285}, 11},
     {{"HScroll_dPsi", {1320, 360, 1455, 255}, 23}, 1, 10, 7, 1, 1, 100.0}},
    {&ParameterTexts::kMax,
     "10",
     QT_TRANSLATE_NOOP("ParameterLabel", "nSL ="),
     QT_TRANSLATE_NOOP("ParameterName", "nSL"),
     QT_TRANSLATE_NOOP("ParameterDescription", "Number of streamlines"),
     "--nsl",
     "index of the last streamline, 2 to 20",
     2,
     {"Label9", {240, 720, 495, 255}, 12},
     {"Text_kMax", {840, 720, 495, 285}, 10},
     {{"HScroll_kMax", {1320, 720, 1455, 255}, 22}, 2, 10, 10, 2, 2, 1.0}},
    {&ParameterTexts::dR,
     "0.01",
     QT_TRANSLATE_NOOP("ParameterLabel", "dR ="),
     QT_TRANSLATE_NOOP("ParameterName", "dR"),
     QT_TRANSLATE_NOOP("ParameterDescription", "Radial marching step"),
     "--dr",
     "radial marching step of the solver, > 0",
     2,
     {"Label10", {360, 1440, 375, 255}, 16},
     {"Text_dR", {840, 1440, 495, 285}, 17},
     {{"", {0, 0, 0, 0}, 0}, 0, 0, 0, 0, 0, 1.0}},
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
const ParameterSpec* ParameterByOption(std::string_view option);

}  // namespace jouk
