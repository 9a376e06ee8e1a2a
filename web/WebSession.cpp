#include "web/WebSession.hpp"

#ifdef __wasm_simd128__
#include <wasm_simd128.h>
#endif

#include "export/FlowCsv.hpp"
#include "export/GifEncoder.hpp"
#include "export/PictureFiles.hpp"
#include "layout/WindowLayout.hpp"
#include "model/Animation.hpp"
#include "model/FlowPicture.hpp"
#include "web/WebView.hpp"

namespace jouk::web {

bool PictureSizeAllowed(int width, int height, int penWidth) {
  return width >= 1 && width <= kMaxPictureSide && height >= 1 && height <= kMaxPictureSide &&
         penWidth >= 1 && penWidth <= kMaxPictureSide;
}

WebSession::WebSession(int width, int height, int penWidth)
    : picture(std::make_unique<RasterImage>(width, height, kPlotBackground)),
      rgba(picture->empty() ? 0 : static_cast<std::size_t>(width) * height * 4) {
  LoadInitialisation(st);
  picture->raster().SetPenWidth(penWidth);
}

bool ResizePicture(WebSession& s, int width, int height, int penWidth) {
  if (!PictureSizeAllowed(width, height, penWidth)) return false;
  auto picture = std::make_unique<RasterImage>(width, height, kPlotBackground);
  if (picture->empty()) return false;
  picture->raster().SetPenWidth(penWidth);
  s.picture = std::move(picture);
  s.rgba.assign(static_cast<std::size_t>(width) * height * 4, 0);
  s.frameStanding = false;
  if (s.solved) DrawStartPicture(s.picture->raster(), Shown(s));
  return true;
}

std::string* ParameterText(WebSession& s, int k) {
  if (k < 0 || k >= static_cast<int>(kParameterCount)) return nullptr;
  return &(s.texts.*kParameters[static_cast<std::size_t>(k)].text);
}

bool RecomputeFromTexts(WebSession& s) {
  s.status = Recompute(s.st, s.texts);
  if (!s.status.ok) return false;
  s.solved = true;
  s.shownTexts = s.texts;
  s.notes = ReadingNotes(s.st, s.texts);
  RenewViewCopy(s);
  return true;
}

void StartAnimation(WebSession& s) {
  Raster& raster = s.picture->raster();
  raster.Cls();
  StartPicture(raster, Shown(s));
  ResetAnimationClock(Shown(s), kTickIntervalMs);
  s.ticks = 0;
  s.frameStanding = false;
}

void Tick(WebSession& s) {
  if (s.frameStanding) {
    DrawAnimationTickOver(s.picture->raster(), Shown(s));
  } else {
    DrawAnimationTick(s.picture->raster(), Shown(s));
  }
  s.frameStanding = true;
  ++s.ticks;
}

const std::uint8_t* CanvasPixels(WebSession& s) {
  return RgbaPixels(s.picture->pixels(), s.rgba);
}

const std::uint8_t* RgbaPixels(const std::vector<Rgb>& pixels, std::vector<std::uint8_t>& rgba) {
  // 0xffRRGGBB (in memory B, G, R, A) to the bytes R, G, B, A: four pixels a shuffle.
  rgba.resize(pixels.size() * 4);
  std::uint8_t* out = rgba.data();
  std::size_t i = 0;
#ifdef __wasm_simd128__
  for (; i + 4 <= pixels.size(); i += 4) {
    const v128_t bgra = wasm_v128_load(pixels.data() + i);
    wasm_v128_store(out + 4 * i, wasm_i8x16_shuffle(bgra, bgra, 2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8,
                                                    11, 14, 13, 12, 15));
  }
#endif
  for (; i < pixels.size(); ++i) {
    const Rgb p = pixels[i];
    out[4 * i] = static_cast<std::uint8_t>(p >> 16);
    out[4 * i + 1] = static_cast<std::uint8_t>(p >> 8);
    out[4 * i + 2] = static_cast<std::uint8_t>(p);
    out[4 * i + 3] = 0xff;
  }
  return out;
}

namespace {

// The plot's size in the window, in logical pixels: what the window's saves write.
constexpr int kSavedWidth = TwipsToPixels(kMainWindow.plot.control.box.width);
constexpr int kSavedHeight = TwipsToPixels(kMainWindow.plot.control.box.height);

// The picture a fresh window shows after START and the ticks shown, as R, G, B, A bytes.
std::string PicturePixels(FlowState& fresh, int ticks) {
  RasterImage picture(kSavedWidth, kSavedHeight, kPlotBackground);
  if (picture.empty()) return {};
  ReplayWindowPicture(picture.raster(), fresh, ticks);
  std::string bytes;
  bytes.reserve(picture.pixels().size() * 4);
  for (const Rgb p : picture.pixels()) {
    bytes += static_cast<char>(p >> 16);
    bytes += static_cast<char>(p >> 8);
    bytes += static_cast<char>(p);
    bytes += static_cast<char>(0xff);
  }
  return bytes;
}

}  // namespace

bool SaveFile(WebSession& s, SavedFile kind) {
  s.answer.clear();
  if (!s.solved) return false;
  if (kind == SavedFile::kPoints) {
    s.answer = StreamlinesCsv(Shown(s));
    return !s.answer.empty();
  }
  const auto fresh = FreshWindowCopy(Shown(s));
  std::string error;
  switch (kind) {
    case SavedFile::kSvg:
      s.answer = WindowSvg(*fresh, s.ticks, kSavedWidth, kSavedHeight,
                           WindowSvgDescription(s.shownTexts, s.ticks, kSavedWidth, kSavedHeight,
                                                fresh->anim.downstream));
      break;
    case SavedFile::kGif:
      // One period of the waves from the first frame: a loop without a seam.
      if (!WindowGif(*fresh, 1, kTicksPerTimeUnit, kSavedWidth, kSavedHeight, kGifDelayCs, s.answer,
                     error)) {
        s.answer.clear();
      }
      break;
    default:
      s.answer = PicturePixels(*fresh, s.ticks);
      break;
  }
  return !s.answer.empty();
}

}  // namespace jouk::web
