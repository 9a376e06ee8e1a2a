// The streamlines and the section table as CSV text.
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "model/FlowField.hpp"
#include "model/FlowViews.hpp"
#include "model/Mdl_Common.hpp"

namespace jouk {

// Significant digits of the streamlines' coordinates: 17, enough for every double to read back
// as itself.
inline constexpr int kCsvDigits = std::numeric_limits<double>::max_digits10;

// "streamline,point,x,y": points 1..nPts(k) of streamlines 0..kMax, kCsvDigits significant
// digits.
std::string StreamlinesCsv(const FlowState& st);

// "row,delta,gamma,eps,mu": the 496 rows of the section table, each number in its shortest form.
std::string TableCsv(const FlowState& st);

// "x,y,inside,speed,cp,psi": the flow at each point (in the view's plane) in order, kCsvDigits
// significant digits; inside 1 or 0, and for a point inside the section the last three fields
// empty; an unbounded speed reads inf, its Cp -inf.
std::string ProbeCsv(const FieldFlow& flow, FlowView view, const std::vector<Complex>& points);

}  // namespace jouk
