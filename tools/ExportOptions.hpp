// Command-line options of joukowsky-export.
#pragma once

#include <string>
#include <vector>

#include "layout/WindowLayout.hpp"
#include "model/Aerodynamics.hpp"
#include "model/Animation.hpp"
#include "model/ConformalMap.hpp"
#include "model/FlowViews.hpp"
#include "model/Parameters.hpp"
#include "model/ShownText.hpp"

namespace jouk {

enum class ExportFormat { kCsv, kSvg, kPng, kGif, kSummary, kSurface, kProbe, kField };

// Whether the format is a picture (it takes --size and --time).
constexpr bool IsPicture(ExportFormat f) {
  return f == ExportFormat::kSvg || f == ExportFormat::kPng || f == ExportFormat::kGif;
}

// Whether the format is binary (not written to a terminal).
constexpr bool IsBinary(ExportFormat f) {
  return f == ExportFormat::kPng || f == ExportFormat::kGif;
}

// Fewest and most frames of an animation.
inline constexpr int kMinFrames = 1;
inline constexpr int kMaxFrames = 1000;

// A picture's width and height stand in the ratio of the window's plot, 3:2.
inline constexpr int kAspectWidth = 3;
inline constexpr int kAspectHeight = 2;
static_assert(kAspectHeight * kMainWindow.plot.control.box.width ==
              kAspectWidth * kMainWindow.plot.control.box.height);
// Largest picture: 6000 × 4000 pixels.
inline constexpr int kMaxPictureWidth = 6000;
inline constexpr int kMaxPictureHeight = kMaxPictureWidth / kAspectWidth * kAspectHeight;
// Largest --time, in animation ticks (a time of 1000).
inline constexpr int kMaxTicks = 1000 * kTicksPerTimeUnit;

// The exporter's exit status: written, not written, or an option or parameter rejected.
inline constexpr int kExitWritten = 0;
inline constexpr int kExitNotWritten = 1;
inline constexpr int kExitRejected = 2;

struct ExportOptions {
  ParameterTexts texts;  // the eight texts, as the window's text boxes would hold them
  ExportFormat format = ExportFormat::kCsv;
  // Picture size in pixels, always 3:2; by default the window's plot.
  int width = TwipsToPixels(kMainWindow.plot.control.box.width);
  int height = TwipsToPixels(kMainWindow.plot.control.box.height);
  int ticks = 1;       // --time as the number of animation ticks after START
  std::string output;  // file to write; empty for standard output
  bool table = false;  // print the section table instead of the streamlines
  bool help = false;
  bool version = false;
  int points = kDefaultSurfacePoints;  // samples of the surface table
  int frames = kTicksPerTimeUnit;      // frames of the animation: one period of the waves
  bool sizeGiven = false;  // --size, --time or --points was given (they apply to some formats)
  bool timeGiven = false;
  bool pointsGiven = false;
  bool framesGiven = false;
  FlowView view = FlowView::kMain;  // --view: the orientation of points and pictures
  bool viewGiven = false;
  std::vector<Complex> at;  // --at X,Y: the points of the probe, in the view, in order
  double map = 1;           // --map T: the stage of the field picture's map
  bool mapGiven = false;
  bool cp = false;  // --cp: the pressure colours in the field picture
};

// Whether the format takes --view (the orientation of its points or picture).
constexpr bool TakesView(ExportFormat f) {
  return f != ExportFormat::kSummary && f != ExportFormat::kSurface;
}

// Whether the field picture's file name asks for SVG (".svg", any case) rather than PNG.
bool IsSvgName(const std::string& name);

// Parses the arguments (without the program name). On failure returns false and sets error
// to a one-line message (user text in it has its control characters replaced).
bool ParseExportOptions(const std::vector<std::string>& args, ExportOptions& out,
                        std::string& error);

// The text printed by --help.
std::string ExportUsage();

}  // namespace jouk
