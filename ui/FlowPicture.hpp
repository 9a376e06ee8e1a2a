// What the plot view shows of the flow: its colours, the world window taken from the scale, the
// start picture (background and red contour) and the frames of the streamline animation. The
// main window and joukowsky-export draw through these same functions.
#pragma once

#include <QRgb>

#include "Mdl_Common.hpp"

class PlotView;

namespace jouk {

inline constexpr QRgb kPlotBackground = qRgb(80, 80, 80);
inline constexpr QRgb kContourColor = qRgb(255, 0, 0);
inline constexpr QRgb kStreamlineColor = qRgb(200, 200, 200);

// Interval of the animation timer; the time step per tick is this divided by 100.
inline constexpr int kTickIntervalMs = 10;

// The world window of the plot: upper-left corner (x1, y1), lower-right corner (x2, y2).
struct WorldWindow {
  double x1, y1, x2, y2;
};

// The window for scale Olcek: (−Olcek, (2/3)·Olcek) to (Olcek, (−2/3)·Olcek), y growing upwards.
WorldWindow WorldWindowFor(double olcek);

// The start picture: fills the view with the background colour, sets the world window from
// Olcek and draws the contour, points 1..nPts(0) of streamline 0, in red (fewer than two points
// draw nothing). The caller asks for the repaint.
void DrawStartPicture(PlotView& view, const FlowState& st);

// Draws the two displaced lines of every animated streamline 1..kAnim in color: the erase pass
// in the background colour, the draw pass in the streamline colour.
void DrawDisplacedLines(PlotView& view, const FlowState& st, QRgb color);

// One tick of the animation: advance the time, erase the previous frame (paint it over in the
// background colour), compute the displaced lines at the new time and draw them. The caller
// asks for the repaint.
void DrawAnimationTick(PlotView& view, FlowState& st);

}  // namespace jouk
