// What the page holds of the program: the store, the eight parameter texts, the picture and the
// count of ticks drawn since the last start, and what the plot shows for its menu (the texts of
// the last accepted recompute and its notes). The page's script owns one, through the plain C
// functions of Exports.cpp, and only presents what it computes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Mdl_Common.hpp"
#include "model/Parameters.hpp"
#include "model/Raster.hpp"
#include "model/ReadingNotes.hpp"
#include "model/Recompute.hpp"

namespace jouk::web {

// The largest picture a session draws, each way, in device pixels (the plot at a device pixel
// ratio of 8).
inline constexpr int kMaxPictureSide = 4800;

struct WebSession {
  WebSession(int width, int height, int penWidth);

  FlowState st;
  ParameterTexts texts;
  RecomputeStatus status;                // of the last recompute
  std::unique_ptr<RasterImage> picture;  // the plot's pixels, 0xffRRGGBB; never null
  std::vector<std::uint8_t> rgba;        // the same pixels as the canvas takes them: R, G, B, A
  int ticks = 0;                         // ticks drawn since the last start
  bool frameStanding = false;            // the picture holds the last tick's frame
  bool solved = false;                   // a recompute was accepted
  ParameterTexts shownTexts;             // the texts of the last accepted recompute
  std::vector<ReadingNote> notes;        // its notes
  std::string answer;                    // the last JSON or file handed to the page

  // The view of the plot (web/WebView.hpp): the free stream horizontal, and then the store
  // turned so, which the plot draws.
  bool tunnelView = false;
  std::unique_ptr<FlowState> tunnel;
};

// Whether a picture of width × height pixels and the pen width are within the session's limits.
bool PictureSizeAllowed(int width, int height, int penWidth);

// The text of parameter k (0..7 in the order of the parameter table), or nullptr for another k.
std::string* ParameterText(WebSession& s, int k);

// Draws on a new picture of width × height pixels with the given pen (the screen's pixel density
// changed): it holds the background colour and, after the first accepted recompute, the start
// picture; the animation's next frames follow on it. False, changing nothing, outside the limits.
bool ResizePicture(WebSession& s, int width, int height, int penWidth);

// START's first half: recomputes from the texts; the store is untouched when they are rejected.
// An accepted recompute's texts and notes become what the plot shows.
bool RecomputeFromTexts(WebSession& s);

// START's second half, after an accepted recompute: the plot cleared, the start picture, the
// animation's clock as the timer starts it, no ticks drawn.
void StartAnimation(WebSession& s);

// One tick of the timer: the previous frame erased, the next drawn (after the first tick since a
// start the previous frame is erased by its colour, which sets the same pixels).
void Tick(WebSession& s);

// The picture's pixels as R, G, B, A bytes, row by row, for an ImageData.
const std::uint8_t* CanvasPixels(WebSession& s);

// Any picture's pixels so, into rgba (resized to fit); its data.
const std::uint8_t* RgbaPixels(const std::vector<Rgb>& pixels, std::vector<std::uint8_t>& rgba);

// The files of the plot's menu, for the texts and the moment shown.
enum class SavedFile { kPoints, kSvg, kGif, kPngPixels };

// Makes the file into s.answer: the streamlines' CSV, the picture as SVG, the looping GIF, or the
// picture's R, G, B, A pixels for the page's PNG encoder, each as the window saves it (the plot's
// logical size). False, with s.answer empty, before the first accepted recompute or when the
// file cannot be made.
bool SaveFile(WebSession& s, SavedFile kind);

}  // namespace jouk::web
