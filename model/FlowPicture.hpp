// What the plot shows of the flow: its colours, the world window taken from the scale, the start
// picture (background and red contour) and the frames of the streamline animation, drawn on a
// raster. The main window and joukowsky-export draw through these same functions.
#pragma once

#include <memory>

#include "model/Mdl_Common.hpp"
#include "model/Raster.hpp"

namespace jouk {

inline constexpr Rgb kPlotBackground = MakeRgb(80, 80, 80);
inline constexpr Rgb kContourColor = MakeRgb(255, 0, 0);
inline constexpr Rgb kStreamlineColor = MakeRgb(200, 200, 200);

// The window for scale Olcek: (−Olcek, (2/3)·Olcek) to (Olcek, (−2/3)·Olcek), y growing upwards.
WorldWindow WorldWindowFor(double olcek);

// The start picture: fills the raster with the background colour, sets the world window from
// Olcek and draws the contour, points 1..nPts(0) of streamline 0, in red (fewer than two points
// draw nothing).
void DrawStartPicture(Raster& raster, const FlowState& st);

// The drawing half of a start, in order: the animation's constants, then the start picture.
// The clock is set when the timer starts (ResetAnimationClock).
void StartPicture(Raster& raster, FlowState& st);

// Draws the two displaced lines of every animated streamline 1..kAnim in color: the erase pass
// in the background colour, the draw pass in the streamline colour.
void DrawDisplacedLines(Raster& raster, const FlowState& st, Rgb color);

// One tick of the animation: advance the time, erase the previous frame (paint it over in the
// background colour), compute the displaced lines at the new time and draw them.
void DrawAnimationTick(Raster& raster, FlowState& st);

// The same tick for a raster whose only pixels in the streamline colour are those of the previous
// frame, drawn there by the previous tick (every tick after the first since a start; the first one
// erases the lines the store held before, which were never drawn). The erase pass then sets
// exactly the pixels that turn the streamline colour into the background colour: painting the
// previous frame over sets the pixels its drawing set, and the previous erase pass left no other
// pixel of that colour. The pixels come out as DrawAnimationTick's; a frame of many segments is
// then erased without walking them again (a frame of few is painted over, which is quicker).
void DrawAnimationTickOver(Raster& raster, FlowState& st);

// A copy of the store as a freshly opened window would hold it after the same recompute: the same
// solution in the same view (its ripples travelling the same way), the animation's lines and clock
// not yet set. The pictures of the moment shown replay START and the ticks on it.
std::unique_ptr<FlowState> FreshWindowCopy(const FlowState& st);

// What a freshly opened window's plot holds after START and `ticks` ticks of its timer: the
// plot cleared, the start picture drawn, the clock started as the timer starts it, and every
// tick erasing the previous frame and drawing the next. The first tick's erase pass runs over
// the displaced lines the store holds (all at height 0 in a fresh store), which cuts the contour
// where they cross it, as in the window. The pixels and the store come out exactly as if every
// tick were drawn, but of the frames between the first and the last only the pieces that can
// reach the contour are computed and drawn. st holds a recomputed flow.
void ReplayWindowPicture(Raster& raster, FlowState& st, int ticks);

// START and `ticks` ticks of the animation without drawing: the animation's constants and clock
// as the window sets them, the clock advanced tick by tick (the same additions as the timer's)
// and the displaced lines of the last tick.
void AdvanceToFrame(FlowState& st, int ticks);

}  // namespace jouk
