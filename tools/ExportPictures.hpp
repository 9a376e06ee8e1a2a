// The pictures of joukowsky-export: the plot of the window after START and a number of
// animation ticks, as PNG through the window's own plot view or as SVG paths.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <string>
#include <string_view>

#include "Mdl_Common.hpp"

namespace jouk {

// START and `ticks` ticks of the animation without drawing: the animation constants and clock
// as the window sets them, then the clock advanced tick by tick (the same additions as the
// window's timer makes) and the displaced lines of the last tick. st holds a recomputed flow.
void AdvanceToFrame(FlowState& st, int ticks);

// What the window's plot view holds after START and `ticks` ticks, on a fresh window: a plot
// view of the given size is cleared, the start picture drawn, and every tick erases the
// previous frame and draws the next. The first tick's erase pass runs, as in the window, over
// the displaced lines of a fresh store (all at height 0), which cuts the contour where y = 0
// crosses it. A null image when the picture cannot be allocated. Needs a QApplication.
QImage WindowPicture(FlowState& st, int ticks, QSize size);

// The image as PNG; empty when it cannot be encoded.
QByteArray PngBytes(const QImage& image);

// The same picture as SVG, of width × height pixels: a background rectangle, the contour as one
// path in red, and, when withFrame is set, the two displaced lines of every animated streamline
// with two points or more as two paths in light grey. st is as AdvanceToFrame leaves it.
//
// Coordinates are the plot view's device positions, not floored to pixels: a world point (x, y),
// taken in single precision, lies at u = (x − x1)·W/(x2 − x1), v = (y − y1)·H/(y2 − y1) for the
// world window (x1, y1)–(x2, y2) from Olcek, written to 1/10000 of a pixel. A point that is not
// a finite number there ends the current subpath, so that exactly the segments the plot view
// draws are drawn. description goes into the picture's <desc>, escaped.
std::string PictureSvg(const FlowState& st, int width, int height, bool withFrame,
                       std::string_view description);

}  // namespace jouk
