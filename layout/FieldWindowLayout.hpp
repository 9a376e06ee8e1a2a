// The flow field window's texts and the plot menu's two items that go with it, for every front
// that shows them (the Qt window, the web page). The window's texts are translated in the context
// "Form_Field", the menu's in "PlotMenu", where QT_TRANSLATE_NOOP marks them for the translators.
// What the picture shows is model/FieldPicture's; the readout's words are the model's messages
// (model/Messages.hpp, context "FieldReadout").
#pragma once

#include "layout/WindowLayout.hpp"
#include "model/Translatable.hpp"

namespace jouk {

struct FieldWindowLayout {
  const char* name;            // the window's object name (the page's element id)
  const char* context;         // the context its texts are translated in
  const char* caption;         // the window's caption
  const char* help;            // why the main picture's stream is inclined; what is marked
  const char* mapCaption;      // the slider's caption
  const char* mapDescription;  // the slider's accessible name
  const char* circlePlane;     // the slider's left end
  const char* section;         // its right end
  const char* play;            // Play, and Pause while it plays
  const char* pause;
  const char* pressure;     // the pressure colours' check box
  const char* orientation;  // the orientation's caption and its two choices
  const char* asMain;
  const char* horizontal;
  const char* nothingYet;  // the note before the first accepted recompute
  const char* copy;        // the window's two buttons
  const char* save;
  const char* saveCaption;  // the save dialog's caption and its two kinds of file
  const char* pngFilter;
  const char* svgFilter;
  const char* notSaved;  // "%1 was not saved: %2", %2 the reason
  const char* notMade;
  const char* fileName;  // the name a save suggests (PNG; SVG with its own extension)
  int stageSteps;        // the slider's steps from the circle plane (0) to the section
  int playIntervalMs;    // Play's frames: the stage follows the clock between them
  Colour mark;           // the ring that marks the other plane's point, apart from
  int markRadius;        // every colour of the picture; its radius and its line's
  int markLine;          // width in logical pixels
};

inline constexpr FieldWindowLayout kFieldWindow = {
    "Form_Field",
    "Form_Field",
    QT_TRANSLATE_NOOP("Form_Field", "Flow field"),
    QT_TRANSLATE_NOOP(
        "Form_Field",
        "In the main picture the free stream comes from the right inclined by 2α to the "
        "horizontal while the chord lies at −α: the map mirrors the flow around the circle, and "
        "the turn by α follows. \"Free stream horizontal\" turns the same flow by 2α, as in a "
        "wind tunnel: the stream runs from right to left and the section is pitched nose-up by "
        "α. The slider carries every point ζ of the circle plane by ζ + t·b²/ζ to the section. "
        "Marked: the circle's centre (cross), the map's singular points ±b and the circle "
        "through them (squares), the stagnation points (diamonds)."),
    QT_TRANSLATE_NOOP("Form_Field", "Conformal map"),
    QT_TRANSLATE_NOOP("Form_Field", "Conformal map: 0 the circle plane, 1 the section"),
    QT_TRANSLATE_NOOP("Form_Field", "circle plane"),
    QT_TRANSLATE_NOOP("Form_Field", "section"),
    QT_TRANSLATE_NOOP("Form_Field", "Play"),
    QT_TRANSLATE_NOOP("Form_Field", "Pause"),
    QT_TRANSLATE_NOOP("Form_Field", "Pressure colours"),
    QT_TRANSLATE_NOOP("Form_Field", "Orientation:"),
    QT_TRANSLATE_NOOP("Form_Field", "As the main picture"),
    QT_TRANSLATE_NOOP("Form_Field", "Free stream horizontal"),
    QT_TRANSLATE_NOOP("Form_Field", "Press START to compute the flow; its field shows here."),
    QT_TRANSLATE_NOOP("Form_Field", "Copy picture"),
    QT_TRANSLATE_NOOP("Form_Field", "Save picture…"),
    QT_TRANSLATE_NOOP("Form_Field", "Save flow field"),
    QT_TRANSLATE_NOOP("Form_Field", "PNG picture (*.png)"),
    QT_TRANSLATE_NOOP("Form_Field", "SVG picture (*.svg)"),
    QT_TRANSLATE_NOOP("Form_Field", "%1 was not saved: %2"),
    QT_TRANSLATE_NOOP("Form_Field", "the file could not be made."),
    "flow-field.png",
    100,
    40,
    {255, 0, 255},
    6,
    2,
};

// An item of the plot's menu that the flow field brings (context "PlotMenu"): its object name
// and caption.
struct FieldMenuItem {
  const char* name;
  const char* caption;
};

// "Flow field…" opens the window; "Free stream horizontal" is checkable, off at every start.
inline constexpr FieldMenuItem kFieldMenuItem = {"Mn_Field",
                                                 QT_TRANSLATE_NOOP("PlotMenu", "Flow field…")};
inline constexpr FieldMenuItem kHorizontalMenuItem = {
    "Mn_FreeStreamHorizontal", QT_TRANSLATE_NOOP("PlotMenu", "Free stream horizontal")};

}  // namespace jouk
