#include "model/SectionLookup.hpp"

#include <algorithm>
#include <cmath>

#include "model/SectionGrid.hpp"

namespace jouk {

namespace {

// The rows the four columns all hold, never more than nTable.
int UsableRows(const FlowState& st) {
  const auto fit =
      std::min({st.TabDelta.size(), st.TabGama.size(), st.TabEps.size(), st.TabMu.size()});
  return std::min(st.nTable, static_cast<int>(fit) - 1);
}

// The grid step 0..steps − 1 whose key lies nearest to value, or −1 when value is nearer to no
// step (beyond half a step outside the grid, or not a number). A key i/100 times 100 lies within
// a few units in the last place of i, far inside the half step that rounding takes for i.
int NearestStep(double value, int steps) {
  const double scaled = value * kGridDivisor;
  if (!(scaled > -0.5 && scaled < steps - 0.5)) return -1;
  return static_cast<int>(std::nearbyint(scaled));
}

}  // namespace

int FindSectionRow(const FlowState& st, double Delta, double Gama) {
  const int d = NearestStep(Delta, kThicknessSteps);
  const int m = NearestStep(Gama, kCamberSteps);
  if (d < 0 || m < 0) return 0;
  const int k = SectionRow(d, m);
  if (k > UsableRows(st)) return 0;
  const auto row = static_cast<std::size_t>(k);
  return st.TabDelta[row] == Delta && st.TabGama[row] == Gama ? k : 0;
}

SectionOffsets OffsetsAfterLookup(const FlowState& st, double Delta, double Gama) {
  const int k = FindSectionRow(st, Delta, Gama);
  if (k < 1) return {st.Eps, st.Mu};  // a silent miss keeps the previous section
  const auto row = static_cast<std::size_t>(k);
  return {st.TabEps[row], st.TabMu[row]};
}

void LookupSection(FlowState& st, double Delta, double Gama) {
  const SectionOffsets section = OffsetsAfterLookup(st, Delta, Gama);
  st.Eps = section.Eps;
  st.Mu = section.Mu;
}

}  // namespace jouk
