#include "FlowPicture.hpp"

#include <QColor>
#include <algorithm>

#include "Animation.hpp"
#include "PlotView.hpp"

namespace jouk {

WorldWindow WorldWindowFor(double olcek) {
  return {-olcek, (2.0 / 3.0) * olcek, olcek, (-2.0 / 3.0) * olcek};
}

void DrawStartPicture(PlotView& view, const FlowState& st) {
  view.SetBackColor(QColor(kPlotBackground));
  const WorldWindow w = WorldWindowFor(st.Olcek);
  view.Scale(w.x1, w.y1, w.x2, w.y2);
  const int count = st.nPts.empty() ? 0 : std::min(st.nPts[0], kLastPoint);
  view.Polyline(st.XS.Row(0) + 1, st.YS.Row(0) + 1, count, kContourColor);
}

void DrawDisplacedLines(PlotView& view, const FlowState& st, QRgb color) {
  // Every segment of a pass has the same colour, so drawing line by line sets the same pixels as
  // drawing the two lines' segments alternately.
  const int kLast = LastAnimatedStreamline(st);
  for (int i = 1; i <= kLast; ++i) {
    const int count = std::min(st.nPts[static_cast<std::size_t>(i)], kLastPoint);
    const double* x = st.XS.Row(i) + 1;  // points 1..count
    view.Polyline(x, st.YAnim1.Row(i) + 1, count, color);
    view.Polyline(x, st.YAnim2.Row(i) + 1, count, color);
  }
}

void DrawAnimationTick(PlotView& view, FlowState& st) {
  AdvanceAnimationTime(st);
  DrawDisplacedLines(view, st, kPlotBackground);  // paints over the previous frame
  UpdateDisplacedLines(st);
  DrawDisplacedLines(view, st, kStreamlineColor);
}

}  // namespace jouk
