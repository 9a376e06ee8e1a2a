// The −Cp axis of the lift window's plot, which the window and the page both draw.
#pragma once

#include <cmath>

#include "model/Aerodynamics.hpp"

namespace jouk {

struct PressureAxis {
  double bottom = -1;       // the axis's lower end, a whole multiple of the fitting step
  double top = 1;           // its upper end, likewise
  double step = 0;          // the ticks' step: NiceStep((top − bottom) / 6)
  double peak = -HUGE_VAL;  // the highest finite −Cp of the curves
  bool peakCut = false;     // the peak lies above the axis
};

// The axis from the lowest finite −Cp to the highest (at least −1 to 1), out to whole steps of
// NiceStep(range / 6); a suction peak at a sharp edge is cut at max(3·m, m + 2), m the highest
// −Cp between 5 % and 95 % of the chord, so that the rest of the curves stays readable.
PressureAxis PressureAxisOf(const PressureCurves& curves);

}  // namespace jouk
