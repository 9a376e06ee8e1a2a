// The layout of the program's two windows, for every front that shows them (the Qt window, the
// web page): the main window Form1 with its frames, the three controls of each parameter, the
// two commands, the plot and the menu item, and the About window Form_About with its labels.
//
// Boxes are in twips (1/1440 inch; 15 twips make one pixel at 96 dots per inch), relative to the
// inside of their container: the client area for the frames, the commands and the plot, the
// frame for a parameter's controls. Captions are English; a front translates each in the context
// of its window's name ("Form1", "Form_About"), under which QT_TRANSLATE_NOOP marks them for the
// translators. What the parameters are (their labels, ranges and start texts) is the parameter
// table's (model/Parameters.hpp). No toolkit is used here.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "model/Parameters.hpp"
#include "model/Translatable.hpp"

namespace jouk {

// Twips per pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// Whole pixels of a length in twips (the remainder dropped): 12300 twips are 820 pixels.
constexpr int TwipsToPixels(int twips) {
  return twips / kTwipsPerPixel;
}

// A rectangle in twips, relative to its container.
struct TwipBox {
  int left, top, width, height;
};

struct TwipSize {
  int width, height;
};

// A control: its object name (the page's element id), its box and its place in the window's tab
// order. Frames and labels hold places the focus skips.
struct ControlLayout {
  const char* name;
  TwipBox box;
  int tabIndex;
};

// A control with texts of its own: a frame, a command, the plot.
struct CaptionedControl {
  ControlLayout control;
  const char* caption;         // what it shows; empty for none
  const char* accessibleName;  // what it is, for screen readers
};

// A control named in a row of a frame, with its place in the tab order; its box follows from the
// row and the frame's columns.
struct RowControl {
  const char* name;  // empty for none
  int tabIndex;
};

// One parameter's row of a frame: its label, its text box and (but for the radial step) its
// scroll bar. The text box and the scroll bar stand at the row's top, in the frame's columns.
struct ParameterRow {
  std::size_t frame;  // index in MainWindowLayout::frames
  int top;
  ControlLayout label;  // wraps when its box is taller than one line
  RowControl textBox;
  RowControl scrollBar;
};

// A frame, and the columns in which the text boxes and the scroll bars of its rows stand.
struct FrameLayout {
  CaptionedControl frame;
  int textBoxLeft;
  int scrollBarLeft, scrollBarWidth;
};

// Every text box is 495 × 285 twips, every scroll bar 255 high.
inline constexpr int kTextBoxWidth = 495;
inline constexpr int kTextBoxHeight = 285;
inline constexpr int kScrollBarHeight = 255;

// The main window.
struct MainWindowLayout {
  const char* name;  // its object name and the translation context of its captions
  const char* caption;
  TwipSize client;   // the client area below the menu bar
  double pointSize;  // the controls' font size
  const char* menuItemName;
  const char* menuItemCaption;  // the menu bar's only item, without a submenu
  std::array<FrameLayout, 2> frames;
  std::array<ParameterRow, kParameterCount> rows;  // in the order of kParameters
  CaptionedControl start, stop, plot;
};

// A label taller than one line of text (255 twips) wraps its caption at blanks.
inline constexpr int kOneLineTwips = 255;
constexpr bool LabelWraps(const TwipBox& box) {
  return box.height > kOneLineTwips;
}

inline constexpr MainWindowLayout kMainWindow = {
    "Form1",
    QT_TRANSLATE_NOOP("Form1", "Streamlines around Joukowsky airfoil"),
    {12300, 6420},
    8.25,
    "Mn_About",
    QT_TRANSLATE_NOOP("Form1", "About"),
    // Frame 1: section and flow; frame 2: streamlines and view. Neither shows a title.
    {{{{{"Frame1", {120, 120, 2895, 1935}, 0},
        "",
        QT_TRANSLATE_NOOP("Form1", "Section and flow parameters")},
       960,
       1440,
       1215},
      {{{"Frame2", {120, 2040, 2895, 1935}, 9},
        "",
        QT_TRANSLATE_NOOP("Form1", "Streamline and view parameters")},
       840,
       1320,
       1455}}},
    // Each frame holds four rows at the tops 360, 720, 1080 and 1440. Label6 is two lines high
    // from 1320, level with its text box.
    // clang-format off
    {{{0, 360, {"Label1", {600, 360, 375, 255}, 1}, {"Text_DELTA", 2}, {"HScroll_Delta", 20}},
      {0, 720, {"Label2", {600, 720, 375, 255}, 3}, {"Text_GAMA", 4}, {"HScroll_Gama", 21}},
      {0, 1080, {"Label5", {600, 1080, 255, 255}, 5}, {"Text_Alfa", 6}, {"HScroll_Alfa", 18}},
      {0, 1440, {"Label6", {240, 1320, 735, 375}, 7}, {"Text_iKutta", 8}, {"HScroll_iKutta", 19}},
      {1, 1080, {"Label4", {120, 1080, 615, 255}, 15}, {"Text_Olcek", 14}, {"HScroll_Olcek", 24}},
      {1, 360, {"Label7", {360, 360, 375, 255}, 13}, {"Text_dPsi", 11}, {"HScroll_dPsi", 23}},
      {1, 720, {"Label9", {240, 720, 495, 255}, 12}, {"Text_kMax", 10}, {"HScroll_kMax", 22}},
      {1, 1440, {"Label10", {360, 1440, 375, 255}, 16}, {"Text_dR", 17}, {"", 0}}}},
    // clang-format on
    {{"Command_START", {480, 4440, 2175, 615}, 26},
     QT_TRANSLATE_NOOP("Form1", "START"),
     QT_TRANSLATE_NOOP("Form1", "Compute the flow and start the animation")},
    {{"Command_STOP", {480, 5280, 2175, 615}, 27},
     QT_TRANSLATE_NOOP("Form1", "STOP"),
     QT_TRANSLATE_NOOP("Form1", "Stop the animation")},
    {{"Picture3", {3120, 240, 9000, 6000}, 25}, "", QT_TRANSLATE_NOOP("Form1", "Streamline plot")},
};

// The three controls of one parameter as laid out, and the frame that holds them.
struct ParameterControls {
  std::size_t frame;  // index in MainWindowLayout::frames
  ControlLayout label;
  ControlLayout textBox;
  ControlLayout scrollBar;  // name empty where the parameter has no scroll bar
};

// The controls of parameter k, their boxes relative to their frame.
constexpr ParameterControls ControlsOf(std::size_t k) {
  const ParameterRow& row = kMainWindow.rows[k];
  const FrameLayout& frame = kMainWindow.frames[row.frame];
  const TwipBox box = {frame.textBoxLeft, row.top, kTextBoxWidth, kTextBoxHeight};
  const TwipBox bar = {frame.scrollBarLeft, row.top, frame.scrollBarWidth, kScrollBarHeight};
  const bool hasBar = *row.scrollBar.name != '\0';
  return {row.frame,
          row.label,
          {row.textBox.name, box, row.textBox.tabIndex},
          {row.scrollBar.name, hasBar ? bar : TwipBox{0, 0, 0, 0}, row.scrollBar.tabIndex}};
}

// Whether parameter k has a scroll bar in the window.
constexpr bool HasScrollBar(std::size_t k) {
  return ControlsOf(k).scrollBar.name[0] != '\0';
}

// A scroll bar where, and only where, the parameter has a range for one; every row in a frame.
constexpr bool RowsMatchParameters() {
  for (std::size_t k = 0; k < kParameterCount; ++k) {
    if (HasScrollBar(k) != kParameters[k].bar.has_value()) return false;
    if (kMainWindow.rows[k].frame >= kMainWindow.frames.size()) return false;
  }
  return true;
}
static_assert(RowsMatchParameters());

// The controls of the main window that take the focus (the text boxes, the scroll bars, the plot
// and the commands), in the order the Tab key visits them: by tab index.
std::vector<ControlLayout> FocusOrder();

// A colour, each component 0 to 255.
struct Colour {
  int red, green, blue;
};

enum class TextAlign { kLeft, kCentre };

inline constexpr int kRegularWeight = 400;
inline constexpr int kBoldWeight = 700;

struct FontLayout {
  const char* face;
  double pointSize;
  int weight;  // kRegularWeight or kBoldWeight
  bool underline;
};

// A label of the About window on the window's own ground.
struct AboutLabel {
  const char* name;
  TwipBox box;
  const char* text;
  bool translated;  // the text is translated (a name or an address is not)
  FontLayout font;
  Colour colour;
  TextAlign align;  // horizontally; every label's text starts at its top
  bool wrap;        // wraps at blanks
};

// The About window.
struct AboutWindowLayout {
  const char* name;  // its object name and the translation context of its texts
  const char* caption;
  TwipSize client;
  Colour background;  // of the window and every label
  std::array<AboutLabel, 6> labels;
};

// The About window's texts that have no other home: the credit line and the contact address.
inline constexpr char kCreditLine[] =
    QT_TRANSLATE_NOOP("Form_About", "developed by its contributors");
inline constexpr char kContactAddress[] = "info@example.org";

inline constexpr Colour kAboutGround = {255, 255, 192};
inline constexpr Colour kAboutGreen = {0, 128, 0};
inline constexpr Colour kAboutBlack = {0, 0, 0};
inline constexpr Colour kAboutBlue = {0, 0, 255};

// A label of one line in the About window's small text (Verdana 8.25 pt, regular), left aligned.
constexpr AboutLabel SmallLabel(const char* name, TwipBox box, const char* text, bool translated,
                                Colour colour) {
  return {name,
          box,
          text,
          translated,
          {"Verdana", 8.25, kRegularWeight, false},
          colour,
          TextAlign::kLeft,
          false};
}

// clang-format off
// From top to bottom: the title, the subtitle (narrower than its text at that size: two centred
// lines), the credit line, the date of the last update and the contact address.
inline constexpr AboutWindowLayout kAboutWindow = {
    "Form_About",
    QT_TRANSLATE_NOOP("Form_About", "About"),
    {4125, 3195},
    kAboutGround,
    {{{"Label1", {960, 240, 2415, 375}, "VozuvadirAvevuze", false,
       {"Verdana", 12, kBoldWeight, true}, kAboutGreen, TextAlign::kLeft, false},
      {"Label2", {720, 840, 2655, 615},
       QT_TRANSLATE_NOOP("Form_About", "Streamlines around Joukowsky airfoil"), true,
       {"Verdana", 9.75, kRegularWeight, false}, kAboutGreen, TextAlign::kCentre, true},
      SmallLabel("Label7", {840, 1680, 2535, 255}, kCreditLine, true, kAboutBlack),
      SmallLabel("Label8", {840, 2040, 2775, 255},
                 QT_TRANSLATE_NOOP("Form_About", "last update : December 2014"), true, kAboutBlack),
      SmallLabel("Label4", {480, 2520, 3375, 255},
                 QT_TRANSLATE_NOOP("Form_About", "for comments and questions e-mail to"), true,
                 kAboutBlack),
      SmallLabel("Label5", {1200, 2760, 1935, 255}, kContactAddress, false, kAboutBlue)}},
};
// clang-format on

// The ground of a text box whose text the last recompute could not take as typed: the box's own
// ground mixed with amber, 35 % amber, each component truncated.
inline constexpr Colour kNoteAmber = {255, 176, 0};
inline constexpr double kNoteAmberShare = 0.35;
constexpr Colour NoteGround(const Colour& base) {
  const auto mix = [](int a, int b) {
    return static_cast<int>(a * (1 - kNoteAmberShare) + b * kNoteAmberShare);
  };
  return {mix(base.red, kNoteAmber.red), mix(base.green, kNoteAmber.green),
          mix(base.blue, kNoteAmber.blue)};
}

// An item of the plot's context menu: its object name (the page's element id), its caption
// (translated in the context "PlotMenu") and, for a save, the file name it suggests.
struct MenuItemLayout {
  const char* name;
  const char* caption;
  const char* fileName;  // empty for an item that saves nothing
};

// The plot's menu, from the top; a separator follows the first item.
inline constexpr char kPlotMenuContext[] = "PlotMenu";
inline constexpr std::array<MenuItemLayout, 5> kPlotMenuItems = {{
    {"Mn_Lift", QT_TRANSLATE_NOOP("PlotMenu", "Lift and pressure…"), ""},
    {"Mn_CopyPicture", QT_TRANSLATE_NOOP("PlotMenu", "Copy picture"), ""},
    {"Mn_SavePicture", QT_TRANSLATE_NOOP("PlotMenu", "Save picture…"), "streamlines.png"},
    {"Mn_SaveAnimation", QT_TRANSLATE_NOOP("PlotMenu", "Save animation…"), "streamlines.gif"},
    {"Mn_SavePoints", QT_TRANSLATE_NOOP("PlotMenu", "Save points…"), "streamlines.csv"},
}};
// The two kinds of picture Save picture offers (context "PlotMenu"), and what a save that cannot
// make its file says.
inline constexpr char kPngPictureFilter[] = QT_TRANSLATE_NOOP("PlotMenu", "PNG picture (*.png)");
inline constexpr char kSvgPictureFilter[] = QT_TRANSLATE_NOOP("PlotMenu", "SVG picture (*.svg)");
inline constexpr char kNotSavedText[] = QT_TRANSLATE_NOOP("PlotMenu", "%1 was not saved: %2");
inline constexpr char kNotMadeText[] = QT_TRANSLATE_NOOP("PlotMenu", "the file could not be made.");
enum PlotMenuItem : std::size_t { kMenuLift, kMenuCopy, kMenuPicture, kMenuAnimation, kMenuPoints };

// The lift window's texts (context "Form_Lift") and those of its pressure plot (context
// "PressurePlot").
struct LiftWindowLayout {
  const char* name;
  const char* caption;
  const char* circulationCaption;
  const char* liftCaption;
  const char* noValue;     // a figure before the first recompute
  const char* nothingYet;  // the note before the first recompute
  const char* plotContext;
  const char* chordAxis;
  const char* pressureAxis;
  const char* upperSurface;
  const char* lowerSurface;
  const char* peakNote;  // %1: the peak −Cp above a cut axis
};

inline constexpr LiftWindowLayout kLiftWindow = {
    "Form_Lift",
    QT_TRANSLATE_NOOP("Form_Lift", "Lift and pressure"),
    QT_TRANSLATE_NOOP("Form_Lift", "Circulation Γ"),
    QT_TRANSLATE_NOOP("Form_Lift", "Lift coefficient Cl"),
    QT_TRANSLATE_NOOP("Form_Lift", "—"),
    QT_TRANSLATE_NOOP("Form_Lift",
                      "Press START to compute the flow; its lift and pressure show here."),
    "PressurePlot",
    QT_TRANSLATE_NOOP("PressurePlot", "x/c along the chord: leading edge 0, trailing edge 1"),
    QT_TRANSLATE_NOOP("PressurePlot", "−Cp"),
    QT_TRANSLATE_NOOP("PressurePlot", "Upper surface"),
    QT_TRANSLATE_NOOP("PressurePlot", "Lower surface"),
    QT_TRANSLATE_NOOP("PressurePlot", "Peak −Cp %1 lies above the plot"),
};

}  // namespace jouk
