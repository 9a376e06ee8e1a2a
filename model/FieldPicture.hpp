// The picture of the "Flow field" view: the current flow at a stage t of the map from the circle
// plane (t = 0) to the section (t = 1), in the main picture's world window and colours (dark
// grey ground, red contour, light-grey streamlines), with marks for the generating circle's
// centre, the map's singular points ±b, the stagnation points and the circle |ζ| = b through the
// trailing edge, and, optionally, the pressure coefficient as colour behind the lines with a
// colour bar and its numbers.
//
// How to use it: MakeFieldScene gives the picture's lines and marks in world coordinates (for a
// front that draws them itself); DrawFieldPicture draws the whole picture on a raster of
// width·ratio × height·ratio pixels for a device-pixel ratio `ratio`; CpColor, CpScaleLimit and
// CpBarTicks are the colour scale that both the raster and export/FieldSvg use.
#pragma once

#include <string>
#include <vector>

#include "model/ConformalMap.hpp"
#include "model/FlowField.hpp"
#include "model/FlowViews.hpp"
#include "model/Mdl_Common.hpp"
#include "model/Messages.hpp"
#include "model/Raster.hpp"

namespace jouk {

inline constexpr Rgb kCentreMarkColor = MakeRgb(255, 220, 0);        // circle centre: a cross
inline constexpr Rgb kSingularMarkColor = MakeRgb(0, 200, 255);      // ±b and |ζ| = b: squares
inline constexpr Rgb kStagnationMarkColor = MakeRgb(255, 255, 255);  // stagnation points: diamonds

// What the field picture shows.
struct FieldPictureSetup {
  double t = 1;                     // the map's stage, 0 (circle plane) to 1 (section)
  bool cp = false;                  // the pressure coefficient as colour behind the lines
  FlowView view = FlowView::kMain;  // the orientation
};

// The picture's lines and marks in the view's world coordinates.
struct FieldScene {
  WorldWindow window{};
  FieldFlow flow;
  double stageLength = 0;                         // √t·b
  std::vector<std::vector<Complex>> streamlines;  // 0 is the contour, then 1..kMax
  std::vector<Complex> singularCircle;            // |ζ| = b carried to the stage, closed
  Complex centre;         // ζc carried to the stage (beyond the window's edge as t nears 1: the
                          // map's pole ζ = 0 lies close to it)
  Complex singular[2];    // +b and −b carried to the stage
  Complex stagnation[2];  // rear and front stagnation points
};

// The scene for an accepted recompute's store; false with the reason when it holds no flow
// (as MakeFieldFlow) or t lies outside 0..1.
bool MakeFieldScene(const FlowState& st, const FieldPictureSetup& setup, FieldScene& out,
                    MessageId& reason);

// The Cp of the view's world point Q at the scene's stage: false inside the body; an unbounded
// value is −∞.
bool FieldCpAt(const FieldScene& scene, const FieldPictureSetup& setup, Complex Q, double& cp);

// The colour of cp on the scale from −limit to +limit, symmetric about 0: a diverging blue
// (suction, Cp < 0) to orange (Cp > 0) map with the plot's dark grey at 0, lighter towards both
// ends, distinct for the common colour-vision deficiencies; values beyond ±limit take the end
// colours.
Rgb CpColor(double cp, double limit);

// The scale's limit: the smallest of 1, 2, 5, 10 and 20 at least the 99th percentile of the
// magnitudes |Cp| given (infinite ones count as largest), 20 when none is; 1 for none at all.
double CpScaleLimit(std::vector<double> magnitudes);

// A number of the colour bar: its value and its text.
struct BarTick {
  double value;
  std::string text;
};

// The colour bar's numbers from +limit down to −limit in quarters of the range:
// limit, limit/2, 0, −limit/2, −limit, as the shortest decimal texts.
std::vector<BarTick> CpBarTicks(double limit);

// The Cp limit the picture of the scene uses: CpScaleLimit over a grid of 60 × 40 points of the
// world window.
double SceneCpLimit(const FieldScene& scene, const FieldPictureSetup& setup);

// Draws the field picture on a raster of width·ratio × height·ratio pixels (ratio ≥ 1, the
// pen `ratio` pixels wide); false with the reason, and the raster untouched, when there is no
// scene.
bool DrawFieldPicture(Raster& raster, const FlowState& st, const FieldPictureSetup& setup,
                      int ratio, MessageId& reason);

}  // namespace jouk
