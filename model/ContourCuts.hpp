// The cuts the animation's erase passes make in the red contour. An erase pass paints the
// previous frame in the background colour: over the background that changes nothing, so the
// only pixels an erase pass can change are the contour's. The replay of the window's picture
// therefore draws, of the frames between the first and the last, only the pieces of the
// displaced lines that can reach a contour pixel.
#pragma once

#include <vector>

#include "model/Mdl_Common.hpp"
#include "model/Raster.hpp"

namespace jouk {

// Where one colour lies in a picture, column by column: in column c it occupies rows
// top[c]..bottom[c] at most (top[c] > bottom[c] where it is absent), and all of it lies in the
// box of columns firstColumn..lastColumn and rows topRow..bottomRow (empty when
// firstColumn > lastColumn).
struct ColumnSpans {
  std::vector<int> top, bottom;
  int firstColumn = 0, lastColumn = -1;
  int topRow = 0, bottomRow = -1;

  bool empty() const { return firstColumn > lastColumn; }

  // Whether the colour may lie in columns c0..c1 and rows r0..r1 (any values; false only
  // when it certainly does not).
  bool Meets(int c0, int c1, int r0, int r1) const;
};

// The columns and rows the pixels of exactly `color` occupy in the raster.
ColumnSpans SpansOfColor(const Raster& raster, Rgb color);

// Points first..last (first < last) of a streamline, and the segments between them.
struct PointRun {
  int streamline, first, last;
  bool operator==(const PointRun&) const = default;
};

// How far, in pixels, a segment's pixels are allowed to stray beyond the box of its end points
// in the reach test below: the Bresenham walk stays within the box of its end pixels and a
// clipped end within rounding of the segment, so this is a safety margin.
inline constexpr int kReachMargin = 2;

// The runs of segments of the animated streamlines 1..kAnim whose displaced lines, at any time,
// can set a pixel of `target` on a raster of width × height pixels drawing through `map`. The
// displaced lines keep the streamline's x, and their y is the streamline's y moved by
// AmpLong·sin + AmpShort·sin (or cos), so it lies within y ± (|AmpLong| + max |AmpShort|), with
// the roundings of the formula taken in the same direction. A segment is left out only when its
// whole box of possible device positions, widened by kReachMargin pixels, meets no pixel of
// `target` (and by the reach of a pen penWidth pixels wide); a point whose position is not a
// finite number of moderate size keeps its segments. st holds the animation's constants
// (PrepareAnimation).
std::vector<PointRun> RunsThatCanReach(const FlowState& st, const DeviceMap& map,
                                       const ColumnSpans& target, int width, int height,
                                       int penWidth = 1);

// Draws in color the two displaced lines of some runs of segments at the time st.anim.tAnim:
// the pixels DrawDisplacedLines would set of those segments after UpdateDisplacedLines, without
// writing the store. Runs outside the point arrays or the animated streamlines are skipped.
class DisplacedRunPainter {
 public:
  explicit DisplacedRunPainter(std::vector<PointRun> runs);

  const std::vector<PointRun>& runs() const { return runs_; }

  // Draws the runs' displaced lines at the store's current time.
  void Draw(Raster& raster, const FlowState& st, Rgb color);

 private:
  std::vector<PointRun> runs_;
  std::vector<double> y1_, y2_;  // the displaced heights of one run
};

}  // namespace jouk
