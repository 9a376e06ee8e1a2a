// The lookup of the section table: from a requested thickness and camber to the circle offsets
// Eps and Mu of the row whose keys equal them exactly.
#pragma once

#include "model/Mdl_Common.hpp"

namespace jouk {

// Row (1..nTable) whose keys equal Delta and Gama exactly, or 0 when none does. Only one row can:
// the row of the grid steps nearest to Delta and Gama (model/SectionGrid.hpp), whose keys are then
// compared with both by exact equality. For the table FillSectionTable writes this gives the row
// that comparing the keys of every row gives, at once.
int FindSectionRow(const FlowState& st, double Delta, double Gama);

// The circle offsets of a section.
struct SectionOffsets {
  double Eps;
  double Mu;
};

// The offsets LookupSection would leave in the store: the matching row's, or on a miss the
// store's own.
SectionOffsets OffsetsAfterLookup(const FlowState& st, double Delta, double Gama);

// Sets Eps and Mu from the row whose keys equal Delta and Gama; a miss leaves them unchanged.
void LookupSection(FlowState& st, double Delta, double Gama);

}  // namespace jouk
