// The section table searched the long way, as the lookup is defined: every row visited, both keys
// compared by exact equality on each, the match kept. The reference for the model's indexed
// lookup (FindSectionRow).
#pragma once

#include <algorithm>
#include <cstddef>

#include "model/Mdl_Common.hpp"

namespace jouk::testing {

inline int ScanSectionRow(const FlowState& st, double Delta, double Gama) {
  const auto fit =
      std::min({st.TabDelta.size(), st.TabGama.size(), st.TabEps.size(), st.TabMu.size()});
  const int rows = std::min(st.nTable, static_cast<int>(fit) - 1);
  int found = 0;
  for (int k = 1; k <= rows; ++k) {
    const auto row = static_cast<std::size_t>(k);
    const bool deltaMatches = st.TabDelta[row] == Delta;
    const bool gamaMatches = st.TabGama[row] == Gama;
    if (deltaMatches && gamaMatches) found = k;
  }
  return found;
}

}  // namespace jouk::testing
