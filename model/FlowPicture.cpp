#include "model/FlowPicture.hpp"

#include <algorithm>

#include "model/Animation.hpp"
#include "model/ContourCuts.hpp"

namespace jouk {

WorldWindow WorldWindowFor(double olcek) {
  return {-olcek, (2.0 / 3.0) * olcek, olcek, (-2.0 / 3.0) * olcek};
}

void DrawStartPicture(Raster& raster, const FlowState& st) {
  raster.SetBackColor(kPlotBackground);
  const WorldWindow w = WorldWindowFor(st.Olcek);
  raster.Scale(w.x1, w.y1, w.x2, w.y2);
  const int count = st.nPts.empty() ? 0 : std::min(st.nPts[0], kLastPoint);
  raster.Polyline(st.XS.Row(0) + 1, st.YS.Row(0) + 1, count, kContourColor);
}

void StartPicture(Raster& raster, FlowState& st) {
  PrepareAnimation(st);
  DrawStartPicture(raster, st);
}

void DrawDisplacedLines(Raster& raster, const FlowState& st, Rgb color) {
  // Every segment of a pass has the same colour, so drawing line by line sets the same pixels as
  // drawing the two lines' segments alternately.
  const int kLast = LastAnimatedStreamline(st);
  for (int i = 1; i <= kLast; ++i) {
    const int count = std::min(st.nPts[static_cast<std::size_t>(i)], kLastPoint);
    const double* x = st.XS.Row(i) + 1;  // points 1..count
    raster.Polyline(x, st.YAnim1.Row(i) + 1, count, color);
    raster.Polyline(x, st.YAnim2.Row(i) + 1, count, color);
  }
}

void DrawAnimationTick(Raster& raster, FlowState& st) {
  AdvanceAnimationTime(st);
  DrawDisplacedLines(raster, st, kPlotBackground);  // paints over the previous frame
  UpdateDisplacedLines(st);
  DrawDisplacedLines(raster, st, kStreamlineColor);
}

static_assert(kStreamlineColor != kPlotBackground && kStreamlineColor != kContourColor,
              "the frame drawn is told apart by its colour");

namespace {

// Painting a frame over walks each of its segments, which costs about as much as looking at a few
// dozen pixels (measured in the browser edition: some 25 ns a segment against 1 ns a pixel); the
// erase by colour looks at every pixel.
constexpr long kPixelsPerSegment = 24;

// The segments of the two displaced lines of every animated streamline.
long DisplacedSegments(const FlowState& st) {
  long segments = 0;
  const int kLast = LastAnimatedStreamline(st);
  for (int i = 1; i <= kLast; ++i) {
    segments += 2L * std::max(std::min(st.nPts[static_cast<std::size_t>(i)], kLastPoint) - 1, 0);
  }
  return segments;
}

}  // namespace

void DrawAnimationTickOver(Raster& raster, FlowState& st) {
  AdvanceAnimationTime(st);
  // Either way the previous frame's pixels take the background colour; the cheaper way is taken.
  const long pixels = static_cast<long>(raster.width()) * raster.height();
  if (DisplacedSegments(st) * kPixelsPerSegment > pixels) {
    raster.ReplaceColor(kStreamlineColor, kPlotBackground);
  } else {
    DrawDisplacedLines(raster, st, kPlotBackground);
  }
  UpdateDisplacedLines(st);
  DrawDisplacedLines(raster, st, kStreamlineColor);
}

std::unique_ptr<FlowState> FreshWindowCopy(const FlowState& st) {
  auto copy = std::make_unique<FlowState>(st);
  copy->YAnim1 = PointGrid();
  copy->YAnim2 = PointGrid();
  copy->anim = AnimState();
  copy->anim.downstream = st.anim.downstream;  // the view's ripples keep their direction
  return copy;
}

void ReplayWindowPicture(Raster& raster, FlowState& st, int ticks) {
  raster.Cls();
  StartPicture(raster, st);
  ResetAnimationClock(st, kTickIntervalMs);
  if (ticks <= 0) return;
  // The ticks paint, in order: frame 0 (the lines the store holds) in the background colour,
  // frame 1 in grey, frame 1 again in the background colour (the very same pixels, so every grey
  // pixel of it goes), ..., frame `ticks` in grey. A pixel therefore ends grey iff the last frame
  // sets it, and otherwise keeps the start picture's colour unless an erase pass of frames
  // 0..ticks−1 painted it in the background colour, which changes only the contour's red
  // pixels. So frame 0 is erased in full, of frames 1..ticks−1 only the segments that can reach
  // a red pixel, and the last frame is drawn as the last tick draws it.
  DrawDisplacedLines(raster, st, kPlotBackground);
  if (ticks > 1) {
    DisplacedRunPainter nearContour(
        RunsThatCanReach(st, raster.Map(), SpansOfColor(raster, kContourColor), raster.width(),
                         raster.height(), raster.PenWidth()));
    for (int tick = 1; tick < ticks; ++tick) {
      AdvanceAnimationTime(st);  // the timer's additions, one per tick, for the same rounding
      if (!nearContour.runs().empty()) nearContour.Draw(raster, st, kPlotBackground);
    }
  }
  AdvanceAnimationTime(st);
  UpdateDisplacedLines(st);
  DrawDisplacedLines(raster, st, kStreamlineColor);
}

void AdvanceToFrame(FlowState& st, int ticks) {
  PrepareAnimation(st);
  ResetAnimationClock(st, kTickIntervalMs);
  for (int tick = 0; tick < ticks; ++tick) AdvanceAnimationTime(st);
  // Each tick computes the displaced lines afresh from the time alone: the last one counts.
  if (ticks > 0) UpdateDisplacedLines(st);
}

}  // namespace jouk
