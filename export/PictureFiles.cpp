#include "export/PictureFiles.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "JoukVersion.hpp"
#include "export/GifEncoder.hpp"
#include "export/SvgText.hpp"
#include "model/Animation.hpp"
#include "model/DecimalText.hpp"
#include "model/FlowPicture.hpp"
#include "model/NumberText.hpp"
#include "model/Raster.hpp"
#include "model/ShownText.hpp"

namespace jouk {

namespace {

// A word for the shell: plain letters, digits and . + - _ as they are, anything else in single
// quotes (a quote itself as '\'').
std::string ShellWord(const std::string& text) {
  const bool plain = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '+' || c == '-' ||
           c == '_';
  });
  if (plain) return text;
  std::string word = "'";
  for (const char c : text) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return word + "'";
}

}  // namespace

std::string PictureDescription(const ParameterTexts& texts, int ticks) {
  std::string text = "Joukowsky Streamlines " + std::string(kVersion) + ":";
  for (const ParameterFacts& p : kParameters) {
    text += ' ' + std::string(p.option + 2) + ' ' + texts.*p.text + ',';
  }
  return text + " time " + NumberToText(ticks / static_cast<double>(kTicksPerTimeUnit));
}

std::string WindowSvgDescription(const ParameterTexts& texts, int ticks, int width, int height,
                                 bool tunnel) {
  std::string command = "joukowsky-export --format svg";
  bool carried = ticks >= 0 && ticks <= kMaxPictureTicks;
  for (const ParameterFacts& p : kParameters) {
    const std::string& value = texts.*p.text;
    command += ' ' + std::string(p.option) + ' ' + ShellWord(value);
    carried = carried && std::all_of(value.begin(), value.end(), [](char c) {
                return !IsControlCharacter(c) && static_cast<unsigned char>(c) < 0x80;
              });
  }
  const std::string text = PictureDescription(texts, ticks);
  if (!carried) return text;
  return text + ". Made by: " + command + " --time " +
         NumberToText(ticks / static_cast<double>(kTicksPerTimeUnit)) + " --size " +
         std::to_string(width) + "x" + std::to_string(height) + (tunnel ? " --view tunnel" : "");
}

std::string WindowSvg(FlowState& st, int ticks, int width, int height,
                      std::string_view description) {
  AdvanceToFrame(st, ticks);
  return PictureSvg(st, width, height, ticks > 0, description);
}

bool WindowGif(FlowState& st, int firstTick, int frames, int width, int height, int delayCs,
               std::string& bytes, std::string& error, int pen) {
  bytes.clear();
  RasterImage picture(width, height, kPlotBackground);
  if (picture.empty()) {
    error = "there is not enough memory for a picture of " + std::to_string(width) + "x" +
            std::to_string(height) + " pixels.";
    return false;
  }
  // Every frame holds the background, the contour and the streamlines' colour, nothing else.
  GifWriter gif(width, height, {kPlotBackground, kContourColor, kStreamlineColor}, delayCs);
  Raster& raster = picture.raster();
  raster.SetPenWidth(pen);
  ReplayWindowPicture(raster, st, firstTick);
  for (int frame = 0; frame < frames; ++frame) {
    if (frame > 0) DrawAnimationTick(raster, st);
    if (!gif.AddFrame(raster.pixels(), raster.pitch())) break;
  }
  return gif.Finish(bytes, error);
}

std::string PictureSvg(const FlowState& st, int width, int height, bool withFrame,
                       std::string_view description) {
  const DeviceMap map(WorldWindowFor(st.Olcek), width, height);
  std::string svg = SvgOpening(width, height, "Streamlines around Joukowsky airfoil", description);

  // The contour, points 1..nPts(0) of streamline 0.
  const int contour = st.nPts.empty() ? 0 : std::min(st.nPts[0], kLastPoint);
  if (contour >= 2) {
    AppendPath(svg, "contour", PathData(st.XS.Row(0) + 1, st.YS.Row(0) + 1, contour, map),
               kContourColor);
  }
  if (withFrame) {
    const int kLast = LastAnimatedStreamline(st);
    for (int i = 1; i <= kLast; ++i) {
      const int count = std::min(st.nPts[static_cast<std::size_t>(i)], kLastPoint);
      if (count < 2) continue;
      const double* x = st.XS.Row(i) + 1;
      const std::string id = "streamline-" + std::to_string(i);
      AppendPath(svg, id + "-line-1", PathData(x, st.YAnim1.Row(i) + 1, count, map),
                 kStreamlineColor);
      AppendPath(svg, id + "-line-2", PathData(x, st.YAnim2.Row(i) + 1, count, map),
                 kStreamlineColor);
    }
  }
  svg += "</svg>\n";
  return svg;
}

}  // namespace jouk
