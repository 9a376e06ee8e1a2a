#include "model/Recompute.hpp"

#include <array>
#include <cmath>
#include <new>

#include "model/Mdl_ZORAP.hpp"
#include "model/NumberText.hpp"
#include "model/SectionLookup.hpp"
#include "model/Translatable.hpp"

namespace jouk {

namespace {

// The values of the eight texts, in the order of the parameter table.
using Values = std::array<double, kParameterCount>;

// A rejection with the template's "%1" (when there is one) replaced by the parameter's English
// name.
RecomputeStatus Rejected(const char* messageTemplate, const ParameterSpec* parameter = nullptr) {
  std::string message = messageTemplate;
  if (parameter != nullptr) {
    const std::size_t at = message.find("%1");
    if (at != std::string::npos) message.replace(at, 2, parameter->name);
  }
  return {false, std::move(message), messageTemplate,
          parameter != nullptr ? parameter->name : nullptr};
}

// The first rule the parameters break, as a rejection; ok when they can be solved. Eps and Mu are
// those the lookup will leave in the store.
RecomputeStatus Rejection(const Values& v, double Eps, double Mu, const FlowState& st) {
  for (std::size_t k = 0; k < kParameterCount; ++k) {
    if (!std::isfinite(v[k])) {
      return Rejected(QT_TRANSLATE_NOOP("Recompute", "%1 is too large."), &kParameters[k]);
    }
  }
  const char* const positive = QT_TRANSLATE_NOOP("Recompute", "%1 must be a positive number.");
  if (!(v[kOlcek] > 0)) return Rejected(positive, &kParameters[kOlcek]);
  if (!(v[kDPsi] > 0)) return Rejected(positive, &kParameters[kDPsi]);
  static_assert(kLastStreamline == 20, "the message below names the last streamline");
  if (!(v[kKMax] >= 2 && v[kKMax] <= kLastStreamline)) {
    return Rejected(QT_TRANSLATE_NOOP("Recompute", "%1 must be a number from 2 to 20."),
                    &kParameters[kKMax]);
  }
  if (!(v[kDR] > 0)) return Rejected(positive, &kParameters[kDR]);
  const FlowSetup f = SetUpFlow(v[kAlfa], Eps, Mu, v[kKutta], kMapExponent, st.Pi, st.DegToRad);
  const double sinS = StagnationSine(f, st.Pi);
  if (!(1 - sinS * sinS >= 0)) {
    return Rejected(
        QT_TRANSLATE_NOOP("Recompute",
                          "The Kutta factor is too large for this angle of attack: the rear "
                          "stagnation point would leave the section."));
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
    Values v{};
    for (std::size_t k = 0; k < kParameterCount; ++k)
      v[k] = TextToNumber(texts.*kParameters[k].text);
    // The table is searched once; a miss keeps the section of the previous recompute.
    const int row = FindSectionRow(st, v[kDelta], v[kGama]);
    const double Eps = row != 0 ? st.TabEps[static_cast<std::size_t>(row)] : st.Eps;
    const double Mu = row != 0 ? st.TabMu[static_cast<std::size_t>(row)] : st.Mu;
    if (RecomputeStatus rejection = Rejection(v, Eps, Mu, st); !rejection.ok) return rejection;
    // Everything the solve allocates is reserved up front, so nothing below can fail halfway.
    st.nPts.reserve(kLastStreamline + 1);

    st.nExp = kMapExponent;
    st.Alfa = v[kAlfa];
    st.iKutta = v[kKutta];
    st.Olcek = v[kOlcek];
    st.dPsi = v[kDPsi];
    st.kMax = v[kKMax];
    st.dR = v[kDR];
    ApplySectionRow(st, row);
    CircleStreamlines(st);
    MapToAirfoilPlane(st);
    TurnByAngleOfAttack(st);
    DropNonFinitePoints(st);
    return {};
  } catch (const std::bad_alloc&) {
    return Rejected(
        QT_TRANSLATE_NOOP("Recompute", "Not enough memory to compute the streamlines."));
  } catch (...) {
    return Rejected(QT_TRANSLATE_NOOP("Recompute", "The streamlines could not be computed."));
  }
}

}  // namespace jouk
