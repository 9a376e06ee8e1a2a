// The streamlines and the section table as CSV text.
#pragma once

#include <string>

#include "model/Mdl_Common.hpp"

namespace jouk {

// "streamline,point,x,y": points 1..nPts(k) of streamlines 0..kMax, 17 significant digits.
std::string StreamlinesCsv(const FlowState& st);

// "row,delta,gamma,eps,mu": the 496 rows of the section table, each number in its shortest form.
std::string TableCsv(const FlowState& st);

}  // namespace jouk
