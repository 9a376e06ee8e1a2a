#include "Recompute.hpp"

#include <algorithm>
#include <cmath>
#include <new>

#include "FlowSetup.hpp"
#include "Mdl_ZORAP.hpp"
#include "NumberText.hpp"

namespace jouk {

int FindSectionRow(const FlowState& st, double Delta, double Gama) {
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

void LookupSection(FlowState& st, double Delta, double Gama) {
  const int row = FindSectionRow(st, Delta, Gama);
  if (row == 0) return;  // a silent miss keeps the previous section
  st.Eps = st.TabEps[static_cast<std::size_t>(row)];
  st.Mu = st.TabMu[static_cast<std::size_t>(row)];
}

void TurnByAngleOfAttack(FlowState& st) {
  const int kLast = LastStreamline(st, st.kMax);
  for (int i = 0; i <= kLast; ++i) {
    const int last = std::min(st.nPts[static_cast<std::size_t>(i)], kLastPoint);
    for (int j = 1; j <= last; ++j) {
      const double X = st.XS(i, j);
      const double Y = st.YS(i, j);
      st.XS(i, j) = X * st.CosAlfa + Y * st.SinAlfa;
      st.YS(i, j) = Y * st.CosAlfa - X * st.SinAlfa;
    }
  }
}

namespace {

struct Parameters {
  double Delta, Gama, Alfa, iKutta, Olcek, dPsi, kMax, dR;
};

// The first rule the parameters break, as a message for the user; empty when they can be solved.
// Eps and Mu are those the lookup will leave in the store.
std::string Rejection(const Parameters& p, double Eps, double Mu, const FlowState& st) {
  const struct {
    const char* label;
    double value;
  } all[] = {{"δ", p.Delta},     {"γ", p.Gama},  {"α", p.Alfa},   {"Kutta condition", p.iKutta},
             {"Scale", p.Olcek}, {"Δψ", p.dPsi}, {"nSL", p.kMax}, {"dR", p.dR}};
  for (const auto& entry : all) {
    if (!std::isfinite(entry.value)) return std::string(entry.label) + " must be a finite number.";
  }
  if (!(p.Olcek > 0)) return "Scale must be a positive number.";
  if (!(p.dPsi > 0)) return "Δψ must be a positive number.";
  if (!(p.kMax >= 2 && p.kMax <= kLastStreamline)) return "nSL must be a number from 2 to 20.";
  if (!(p.dR > 0)) return "dR must be a positive number.";
  const FlowSetup f = SetUpFlow(p.Alfa, Eps, Mu, p.iKutta, 2, st.Pi, st.DegToRad);
  const double sinS = StagnationSine(f, st.Pi);
  if (!(1 - sinS * sinS >= 0)) {
    return "Kutta condition is too large for this angle of attack: Kutta condition × sin(α + β) "
           "must lie between -1 and 1, or the rear stagnation point leaves the section.";
  }
  return {};
}

// Ends each streamline before its first point that is not finite, so that no reader ever meets
// an infinite or undefined coordinate. Far from the section the map loses its precision and can
// give such points (its ratio rho rounds to 1); they are also cleared to 0, so that the store
// never holds a value that compares unequal to itself.
void DropNonFinitePoints(FlowState& st) {
  const int kLast = LastStreamline(st, st.kMax);
  for (int i = 0; i <= kLast; ++i) {
    int& n = st.nPts[static_cast<std::size_t>(i)];
    const int computed = n;
    for (int j = 1; j <= computed; ++j) {
      const bool finite = std::isfinite(st.XS(i, j)) && std::isfinite(st.YS(i, j));
      if (!finite && n == computed) n = j - 1;
      if (!std::isfinite(st.XS(i, j))) st.XS(i, j) = 0;
      if (!std::isfinite(st.YS(i, j))) st.YS(i, j) = 0;
    }
  }
}

}  // namespace

RecomputeStatus Recompute(FlowState& st, const ParameterTexts& texts) noexcept {
  try {
    const Parameters p{TextToNumber(texts.Delta), TextToNumber(texts.Gama),
                       TextToNumber(texts.Alfa),  TextToNumber(texts.iKutta),
                       TextToNumber(texts.Olcek), TextToNumber(texts.dPsi),
                       TextToNumber(texts.kMax),  TextToNumber(texts.dR)};
    const int row = FindSectionRow(st, p.Delta, p.Gama);
    const double Eps = row != 0 ? st.TabEps[static_cast<std::size_t>(row)] : st.Eps;
    const double Mu = row != 0 ? st.TabMu[static_cast<std::size_t>(row)] : st.Mu;
    std::string message = Rejection(p, Eps, Mu, st);
    if (!message.empty()) return {false, std::move(message)};
    // Everything the solve allocates is reserved up front, so nothing below can fail halfway.
    st.nPts.reserve(kLastStreamline + 1);

    st.nExp = 2;
    st.Alfa = p.Alfa;
    st.iKutta = p.iKutta;
    st.Olcek = p.Olcek;
    st.dPsi = p.dPsi;
    st.kMax = p.kMax;
    st.dR = p.dR;
    LookupSection(st, p.Delta, p.Gama);
    CircleStreamlines(st);
    MapToAirfoilPlane(st);
    TurnByAngleOfAttack(st);
    DropNonFinitePoints(st);
    return {};
  } catch (const std::bad_alloc&) {
    return {false, "Not enough memory to compute the streamlines."};
  } catch (...) {
    return {false, "The streamlines could not be computed."};
  }
}

}  // namespace jouk
