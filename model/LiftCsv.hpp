// Text forms of a lift-and-pressure result: a summary and the surface table as CSV, and the note
// that goes with an edge left out of the table.
#pragma once

#include <string>

#include "model/Aerodynamics.hpp"

namespace jouk {

// CSV "quantity,value" with the rows circulation, lift_coefficient,
// lift_coefficient_from_pressure, chord, front_stagnation_x, front_stagnation_y,
// rear_stagnation_x and rear_stagnation_y, 17 significant digits. A result that is not ok gives
// the header line alone.
std::string SummaryCsv(const LiftAndPressure& result);

// CSV "point,x,y,speed,cp", one row per surface sample from the trailing edge over the upper
// surface to the leading edge and back along the lower surface, 17 significant digits. An edge
// where the speed is unbounded has no row (see SurfaceNote).
std::string SurfaceCsv(const LiftAndPressure& result);

// One line for standard error about the edges missing from the surface table (SurfaceTableNote,
// in English); empty when none is.
std::string SurfaceNote(const LiftAndPressure& result);

}  // namespace jouk
