#include "web/WebSession.hpp"

#include "model/Animation.hpp"
#include "model/FlowPicture.hpp"

namespace jouk::web {

bool PictureSizeAllowed(int width, int height, int penWidth) {
  return width >= 1 && width <= kMaxPictureSide && height >= 1 && height <= kMaxPictureSide &&
         penWidth >= 1 && penWidth <= kMaxPictureSide;
}

WebSession::WebSession(int width, int height, int penWidth)
    : picture(width, height, kPlotBackground),
      rgba(picture.empty() ? 0 : static_cast<std::size_t>(width) * height * 4) {
  LoadInitialisation(st);
  picture.raster().SetPenWidth(penWidth);
}

std::string* ParameterText(WebSession& s, int k) {
  if (k < 0 || k >= static_cast<int>(kParameterCount)) return nullptr;
  return &(s.texts.*kParameters[static_cast<std::size_t>(k)].text);
}

bool RecomputeFromTexts(WebSession& s) {
  s.status = Recompute(s.st, s.texts);
  return s.status.ok;
}

void StartAnimation(WebSession& s) {
  Raster& raster = s.picture.raster();
  raster.Cls();
  StartPicture(raster, s.st);
  ResetAnimationClock(s.st, kTickIntervalMs);
  s.ticks = 0;
}

void Tick(WebSession& s) {
  DrawAnimationTick(s.picture.raster(), s.st);
  ++s.ticks;
}

const std::uint8_t* CanvasPixels(WebSession& s) {
  // 0xffRRGGBB to the bytes R, G, B, A; a plain loop over whole words, which the compiler
  // vectorises.
  const std::vector<Rgb>& pixels = s.picture.pixels();
  std::uint8_t* out = s.rgba.data();
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const Rgb p = pixels[i];
    out[4 * i] = static_cast<std::uint8_t>(p >> 16);
    out[4 * i + 1] = static_cast<std::uint8_t>(p >> 8);
    out[4 * i + 2] = static_cast<std::uint8_t>(p);
    out[4 * i + 3] = 0xff;
  }
  return out;
}

}  // namespace jouk::web
