#include "model/Recompute.hpp"

#include <array>
#include <cmath>
#include <new>
#include <optional>

#include "model/FlowViews.hpp"
#include "model/Mdl_ZORAP.hpp"
#include "model/NumberText.hpp"
#include "model/SectionLookup.hpp"

namespace jouk {

namespace {

// The values of the eight texts, in the order of the parameter table.
using Values = std::array<double, kParameterCount>;

// A rejection for the text id, whose "%1" (when it has one) is the parameter's name.
RecomputeStatus Rejected(MessageId id, std::optional<std::size_t> parameter = std::nullopt) {
  std::string message =
      parameter ? EnglishText(id, {kParameters[*parameter].name}) : EnglishText(id);
  return {false, std::move(message), id, parameter};
}

// The first rule the parameters break, as a rejection; ok when they can be solved. Eps and Mu are
// those the lookup will leave in the store.
RecomputeStatus Rejection(const Values& v, const SectionOffsets& section, const FlowState& st) {
  for (std::size_t k = 0; k < kParameterCount; ++k) {
    if (!std::isfinite(v[k])) return Rejected(MessageId::kTooLarge, k);
  }
  if (!(v[kOlcek] > 0)) return Rejected(MessageId::kNotPositive, kOlcek);
  if (!(v[kDPsi] > 0)) return Rejected(MessageId::kNotPositive, kDPsi);
  static_assert(kLastStreamline == 20, "the message names the last streamline");
  if (!(v[kKMax] >= 2 && v[kKMax] <= kLastStreamline)) {
    return Rejected(MessageId::kStreamlineCountRange, kKMax);
  }
  if (!(v[kDR] > 0)) return Rejected(MessageId::kNotPositive, kDR);
  const FlowSetup f =
      SetUpFlow(v[kAlfa], section.Eps, section.Mu, v[kKutta], kMapExponent, st.Pi, st.DegToRad);
  if (const std::optional<MessageId> refusal = StagnationRefusal(f, st.Pi)) {
    return Rejected(*refusal);
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
    // A miss keeps the section of the previous recompute.
    const SectionOffsets section = OffsetsAfterLookup(st, v[kDelta], v[kGama]);
    if (RecomputeStatus rejection = Rejection(v, section, st); !rejection.ok) return rejection;
    // Everything the solve allocates is reserved up front, so nothing below can fail halfway.
    st.nPts.reserve(kLastStreamline + 1);

    st.nExp = kMapExponent;
    st.Alfa = v[kAlfa];
    st.iKutta = v[kKutta];
    st.Olcek = v[kOlcek];
    st.dPsi = v[kDPsi];
    st.kMax = v[kKMax];
    st.dR = v[kDR];
    LookupSection(st, v[kDelta], v[kGama]);
    CircleStreamlines(st);
    KeepCirclePlanePoints(st);
    MapToAirfoilPlane(st);
    TurnByAngleOfAttack(st);
    DropNonFinitePoints(st);
    return {};
  } catch (const std::bad_alloc&) {
    return Rejected(MessageId::kOutOfMemory);
  } catch (...) {
    return Rejected(MessageId::kNotComputed);
  }
}

FilledMessage RejectionMessage(const RecomputeStatus& status) {
  if (!status.id) return {nullptr, status.message, {}};
  std::vector<MessagePlace> places;
  if (status.parameter && *status.parameter < kParameterCount) {
    places.push_back({kParameters[*status.parameter].name, kNameContext});
  }
  return Filled(*status.id, std::move(places));
}

}  // namespace jouk
