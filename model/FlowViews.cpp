#include "model/FlowViews.hpp"

#include <algorithm>
#include <cmath>

namespace jouk {

void KeepCirclePlanePoints(FlowState& st) {
  const int kLast = LastStreamline(st, st.kMax);
  for (int k = 0; k <= kLast; ++k) {
    const int n = std::min(st.nPts[static_cast<std::size_t>(k)], kLastPoint);
    std::copy(st.XS.Row(k) + 1, st.XS.Row(k) + 1 + n, st.XC.Row(k) + 1);
    std::copy(st.YS.Row(k) + 1, st.YS.Row(k) + 1 + n, st.YC.Row(k) + 1);
  }
}

// e^{2iα} is two turns by α, each with the recompute's own cos α and sin α.
Complex ToView(FlowView view, Complex P, double cosAlfa, double sinAlfa) {
  if (view == FlowView::kMain) return P;
  return UnturnByAngle(UnturnByAngle(P, cosAlfa, sinAlfa), cosAlfa, sinAlfa);
}

Complex FromView(FlowView view, Complex Q, double cosAlfa, double sinAlfa) {
  if (view == FlowView::kMain) return Q;
  return TurnByAngle(TurnByAngle(Q, cosAlfa, sinAlfa), cosAlfa, sinAlfa);
}

void ApplyView(FlowState& st, FlowView view) {
  if (view == FlowView::kMain) return;
  const int kLast = LastStreamline(st, st.kMax);
  for (int k = 0; k <= kLast; ++k) {
    const int n = std::min(st.nPts[static_cast<std::size_t>(k)], kLastPoint);
    for (int j = 1; j <= n; ++j) {
      const Complex Q = ToView(view, Complex(st.XS(k, j), st.YS(k, j)), st.CosAlfa, st.SinAlfa);
      st.XS(k, j) = Q.real();
      st.YS(k, j) = Q.imag();
    }
  }
  st.anim.downstream = true;
}

double StageLength(double t, double b) {
  return std::sqrt(t) * b;
}

Complex StagePoint(Complex zeta, double t, double b, double cosAlfa, double sinAlfa,
                   FlowView view) {
  // ζ + t·b²/ζ, mirrored and turned; the mirror and the turn as the section's points have them.
  const Complex mapped = zeta + t * (b * b) / zeta;
  return ToView(view, TurnByAngle(Mirror(mapped), cosAlfa, sinAlfa), cosAlfa, sinAlfa);
}

std::vector<Complex> StreamlineAtStage(const FlowState& st, int k, double t, FlowView view) {
  std::vector<Complex> points;
  if (k < 0 || k > LastStreamline(st, st.kMax)) return points;
  const int n = std::min(st.nPts[static_cast<std::size_t>(k)], kLastPoint);
  const double b = st.nB / st.nExp;
  points.reserve(static_cast<std::size_t>(std::max(n, 0)));
  for (int j = 1; j <= n; ++j) {
    points.push_back(
        StagePoint(Complex(st.XC(k, j), st.YC(k, j)), t, b, st.CosAlfa, st.SinAlfa, view));
  }
  return points;
}

Complex StageCirclePoint(Complex Q, double t, double b, double cosAlfa, double sinAlfa, Complex zc,
                         FlowView view) {
  const Complex P = FromView(view, Q, cosAlfa, sinAlfa);
  const double length = StageLength(t, b);
  // The circle plane itself: the map is the identity, and its one preimage is the point.
  if (length == 0) return Mirror(UnturnByAngle(P, cosAlfa, sinAlfa));
  return FlowCirclePoint(P, length, cosAlfa, sinAlfa, zc);
}

Complex OtherPlanePoint(Complex zeta, double t, double b, double cosAlfa, double sinAlfa,
                        FlowView view) {
  return StagePoint(zeta, t < 0.5 ? 1.0 : 0.0, b, cosAlfa, sinAlfa, view);
}

}  // namespace jouk
