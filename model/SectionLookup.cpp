#include "model/SectionLookup.hpp"

#include <algorithm>

namespace jouk {

namespace {

// The rows the four columns all hold, never more than nTable.
int UsableRows(const FlowState& st) {
  const auto fit =
      std::min({st.TabDelta.size(), st.TabGama.size(), st.TabEps.size(), st.TabMu.size()});
  return std::min(st.nTable, static_cast<int>(fit) - 1);
}

}  // namespace

int FindSectionRow(const FlowState& st, double Delta, double Gama) {
  const int rows = UsableRows(st);
  int found = 0;
  for (int k = 1; k <= rows; ++k) {
    const auto row = static_cast<std::size_t>(k);
    const bool deltaMatches = st.TabDelta[row] == Delta;
    const bool gamaMatches = st.TabGama[row] == Gama;
    if (deltaMatches && gamaMatches) found = k;
  }
  return found;
}

void ApplySectionRow(FlowState& st, int row) {
  if (row < 1 || row > UsableRows(st)) return;  // a silent miss keeps the previous section
  st.Eps = st.TabEps[static_cast<std::size_t>(row)];
  st.Mu = st.TabMu[static_cast<std::size_t>(row)];
}

void LookupSection(FlowState& st, double Delta, double Gama) {
  ApplySectionRow(st, FindSectionRow(st, Delta, Gama));
}

}  // namespace jouk
