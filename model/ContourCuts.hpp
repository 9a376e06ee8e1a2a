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

// How far, in world units, a displaced point of any frame up to tick `ticks` can lie from the
// same point of the frame a whole number of periods (10 ticks) earlier, from the roundings of
// the clock and of the displacement's formula: the clock's additions are each off by at most half
// an ulp of the time and the step itself by |10·dtAnim − 1| / 10, the phase is formed in double
// precision from a time below T = ticks·|dtAnim| + 1, and |AmpLong| + max |AmpShort| bounds the
// rate at which a phase moves a point. Twice that bound, for safety. st holds the animation's
// constants and clock step.
double PeriodDrift(const FlowState& st, int ticks);

// Of some runs, the segments whose pixels at the current time plus a whole number of periods may
// differ from those they set now: a segment with an end whose displaced point, moved by up to
// `drift` along y, may change its pixel (on either line), or that lies partly outside the picture
// (where the clipped end follows the exact position). Every other segment walks between the same
// two end pixels, so it sets the same pixels again. Each segment kept has the pixels its ends can
// take over those frames, so that a segment none of whose walks can reach a pixel of the contour
// any more can be dropped.
class DriftingSegments {
 public:
  // The segments of runs that may drift from the frame st holds now (at st.anim.tAnim), on a
  // raster of the given size drawing through map.
  DriftingSegments(const FlowState& st, const std::vector<PointRun>& runs, const DeviceMap& map,
                   int width, int height, double drift);

  // Drops the segments inside the picture none of whose possible walks (between any pixels its
  // ends can take, on either line) sets a pixel that now holds exactly `color`.
  void KeepThoseThatReach(const Raster& raster, Rgb color);

  // The segments kept, as runs of consecutive segments.
  std::vector<PointRun> Runs() const;

  // Draws in color, at the store's current time, those kept segments whose ends' pixels are not
  // those of the frame they were taken from (the others would set the very same pixels again),
  // and every segment partly outside the picture: the pixels DrawDisplacedLines would set of all
  // kept segments, but for pixels that frame set already. Only the ends that may drift are
  // computed.
  void Draw(Raster& raster, const FlowState& st, Rgb color) const;

 private:
  // The column of a segment's end, its row in the frame taken from and the rows it can take on
  // each line.
  struct End {
    int column;
    int row[2], rowLo[2], rowHi[2];
    bool steady() const { return rowLo[0] == rowHi[0] && rowLo[1] == rowHi[1]; }
  };
  struct Segment {
    int streamline, first;  // the segment from point first to first + 1
    End a, b;
    bool clipped;  // partly outside the picture: always kept
  };
  std::vector<Segment> segments_;
};

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
