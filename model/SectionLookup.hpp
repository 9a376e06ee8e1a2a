// The lookup of the section table: from a requested thickness and camber to the circle offsets
// Eps and Mu of the row whose keys equal them exactly.
#pragma once

#include "model/Mdl_Common.hpp"

namespace jouk {

// Row (1..nTable) whose keys equal Delta and Gama exactly, or 0 when none does. Visits every
// row, comparing both keys on each.
int FindSectionRow(const FlowState& st, double Delta, double Gama);

// Sets Eps and Mu from row (1..nTable); row 0, a miss, leaves them unchanged.
void ApplySectionRow(FlowState& st, int row);

// Sets Eps and Mu from the row whose keys equal Delta and Gama; a miss leaves them unchanged.
void LookupSection(FlowState& st, double Delta, double Gama);

}  // namespace jouk
