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

// The widths of the pen a picture's raster may be drawn with, in pixels: 1 (the window's) up to
// 16, thick enough for a 6000 × 4000 picture on a slide.
inline constexpr int kMinPen = 1;
inline constexpr int kMaxPen = 16;

// The latest moment of a picture, in animation ticks: a time of 10^6, some eleven days of the
// window's animation, more than any lesson reaches.
inline constexpr int kMaxPictureTicks = 1000000 * kTicksPerTimeUnit;

// What a picture shows, for its description: program, version, the eight texts and the time
// (ticks × 0.1).
std::string PictureDescription(const ParameterTexts& texts, int ticks);

// The description of the window's picture as an SVG of width × height pixels: PictureDescription,
// then the joukowsky-export command that makes the same file, with every option written out
// ("Made by: joukowsky-export --format svg --delta 0.12 … --time 0.4 --size 600x400", and
// "--view tunnel" for the picture of the free stream horizontal), each text
// in single quotes unless it is plain. The command is left out when a text holds a character the
// description cannot carry (outside printable ASCII) or the time is beyond the exporter's.
std::string WindowSvgDescription(const ParameterTexts& texts, int ticks, int width, int height,
                                 bool tunnel = false);

// What a fresh window's plot holds after START and `ticks` ticks as SVG (see PictureSvg); st is
// advanced to that frame.
std::string WindowSvg(FlowState& st, int ticks, int width, int height,
                      std::string_view description);

// A looping GIF of `frames` frames: frame k is exactly the PNG's picture at ticks
// firstTick + k − 1, each shown delayCs hundredths of a second. The pattern repeats every 10
// ticks, so 10 frames from tick 1 make a seamless loop; the pen is `pen` pixels wide. False
// with a one-line reason.
bool WindowGif(FlowState& st, int firstTick, int frames, int width, int height, int delayCs,
               std::string& bytes, std::string& error, int pen = 1);

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
// pressure colours (when setup.cp) as cells of kFieldSvgCell pixels with the scale's colours
// quantised to 1/16 of its half range, the lines and marks as paths, and the colour bar as a
// gradient with its numbers as text. False with the reason when there is no scene.
inline constexpr int kFieldSvgCell = 3;
bool FieldSvg(const FlowState& st, const FieldPictureSetup& setup, int width, int height,
              std::string_view description, std::string& svg, MessageId& reason);

}  // namespace jouk
