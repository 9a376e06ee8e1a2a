// What the page holds of the program: the store, the eight parameter texts, the picture and the
// count of ticks drawn since the last start. The page's script owns one, through the plain C
// functions of Exports.cpp, and only presents what it computes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/Mdl_Common.hpp"
#include "model/Parameters.hpp"
#include "model/Raster.hpp"
#include "model/Recompute.hpp"

namespace jouk::web {

// The largest picture a session draws, each way, in device pixels (the plot at a device pixel
// ratio of 8).
inline constexpr int kMaxPictureSide = 4800;

struct WebSession {
  WebSession(int width, int height, int penWidth);

  FlowState st;
  ParameterTexts texts;
  RecomputeStatus status;          // of the last recompute
  RasterImage picture;             // the plot's pixels, 0xffRRGGBB
  std::vector<std::uint8_t> rgba;  // the same pixels as the canvas takes them: R, G, B, A
  int ticks = 0;                   // ticks drawn since the last start
};

// Whether a picture of width × height pixels and the pen width are within the session's limits.
bool PictureSizeAllowed(int width, int height, int penWidth);

// The text of parameter k (0..7 in the order of the parameter table), or nullptr for another k.
std::string* ParameterText(WebSession& s, int k);

// START's first half: recomputes from the texts; the store is untouched when they are rejected.
bool RecomputeFromTexts(WebSession& s);

// START's second half, after an accepted recompute: the plot cleared, the start picture, the
// animation's clock as the timer starts it, no ticks drawn.
void StartAnimation(WebSession& s);

// One tick of the timer: the previous frame erased, the next drawn.
void Tick(WebSession& s);

// The picture's pixels as R, G, B, A bytes, row by row, for an ImageData.
const std::uint8_t* CanvasPixels(WebSession& s);

}  // namespace jouk::web
