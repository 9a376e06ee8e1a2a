// The embedded section parameter table.
#pragma once

#include <vector>

namespace jouk {

// Writes rows 1..496 of the four table columns (keys thickness and camber, offsets Eps and Mu)
// from the constant data compiled into the program. The columns must hold indices 0..nTable.
void FillSectionTable(int nTable, std::vector<double>& TabDelta, std::vector<double>& TabGama,
                      std::vector<double>& TabEps, std::vector<double>& TabMu);

}  // namespace jouk
