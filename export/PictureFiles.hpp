// The pictures of the flow as files without any toolkit: the plot of a freshly opened window after
// START and a number of animation ticks as SVG paths, and a run of such frames (drawn on the same
// raster the window draws on) as a looping GIF. joukowsky-export, the window's saves and the
// browser edition make these files here.
#pragma once

#include <string>
#include <string_view>

#include "export/GifEncoder.hpp"
#include "model/Animation.hpp"
#include "model/FieldPicture.hpp"
#include "model/Mdl_Common.hpp"
#include "model/Parameters.hpp"

namespace jouk {

// What a picture shows, for its description: program, version, the eight texts and the time
// (ticks × 0.1).
std::string PictureDescription(const ParameterTexts& texts, int ticks);

// What a fresh window's plot holds after START and `ticks` ticks as SVG (see PictureSvg); st is
// advanced to that frame.
std::string WindowSvg(FlowState& st, int ticks, int width, int height,
                      std::string_view description);

// A looping GIF of `frames` frames: frame k is exactly the PNG's picture at ticks
// firstTick + k − 1, each shown delayCs hundredths of a second. The pattern repeats every 10
// ticks, so 10 frames from tick 1 make a seamless loop. False with a one-line reason.
bool WindowGif(FlowState& st, int firstTick, int frames, int width, int height, int delayCs,
               std::string& bytes, std::string& error);

// The picture as SVG, of width × height pixels: a background rectangle, the contour as one path
// in red, and, when withFrame is set, the two displaced lines of every animated streamline with
// two points or more as two paths in light grey. st is as AdvanceToFrame leaves it.
//
// Coordinates are the raster's device positions, not floored to pixels (DeviceMap), written to
// 1/10000 of a pixel. A point that is not a finite number there ends the current subpath, so
// that exactly the segments the raster draws are drawn. description goes into the picture's
// <desc>, escaped.
std::string PictureSvg(const FlowState& st, int width, int height, bool withFrame,
                       std::string_view description);

// The flow field picture (model/FieldPicture) as SVG of width × height pixels: the ground, the
// pressure colours (when spec.cp) as cells of kFieldSvgCell pixels with the scale's colours
// quantised to 1/16 of its half range, the lines and marks as paths, and the colour bar as a
// gradient with its numbers as text. False with the reason when there is no scene.
inline constexpr int kFieldSvgCell = 3;
bool FieldSvg(const FlowState& st, const FieldPictureSpec& spec, int width, int height,
              std::string_view description, std::string& svg, MessageId& reason);

}  // namespace jouk
