// The pictures of joukowsky-export: the plot of the window after START and a number of
// animation ticks, as PNG through the same raster the window draws on, or as SVG paths. Neither
// needs a QApplication or a display.
#pragma once

#include <QByteArray>
#include <string>
#include <string_view>

#include "Mdl_Common.hpp"

namespace jouk {

// What the window's plot holds after START and `ticks` ticks, on a fresh window, drawn at
// width × height pixels and encoded as PNG; empty when the picture cannot be allocated or
// encoded. st holds a recomputed flow.
QByteArray WindowPng(FlowState& st, int ticks, int width, int height);

// The same picture as SVG, of width × height pixels: a background rectangle, the contour as one
// path in red, and, when withFrame is set, the two displaced lines of every animated streamline
// with two points or more as two paths in light grey. st is as AdvanceToFrame leaves it.
//
// Coordinates are the raster's device positions, not floored to pixels (DeviceMap), written to
// 1/10000 of a pixel. A point that is not a finite number there ends the current subpath, so
// that exactly the segments the raster draws are drawn. description goes into the picture's
// <desc>, escaped.
std::string PictureSvg(const FlowState& st, int width, int height, bool withFrame,
                       std::string_view description);

}  // namespace jouk
