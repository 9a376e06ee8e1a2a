// Animated GIF from frames of RGB pixels, through giflib; no Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace jouk {

// Delay of a GIF frame in hundredths of a second: 2, the shortest that browsers and most viewers
// show as given (they raise 0 and 1 to 10). The window ticks every 1/100 s, so the animation
// plays at half the window's pace; 1 would match it in the viewers that allow it and play ten
// times slower in the others.
inline constexpr int kGifDelayCs = 2;

// A GIF89a that loops forever (NETSCAPE2.0 application extension, loop count 0), written frame
// by frame, so that a long or large animation never holds more than one frame. Every frame is
// whole (width × height pixels, 0xAARRGGBB, alpha ignored), shown delayCs hundredths of a second
// and left standing for the next; its colours must be among the palette given at the start.
class GifWriter {
 public:
  GifWriter(int width, int height, const std::vector<std::uint32_t>& palette, int delayCs);
  ~GifWriter();
  GifWriter(const GifWriter&) = delete;
  GifWriter& operator=(const GifWriter&) = delete;

  // Adds a frame whose rows lie `pitch` pixels apart; false after any failure (see Finish).
  bool AddFrame(const std::uint32_t* pixels, std::ptrdiff_t pitch);

  // Ends the GIF and hands over its bytes; false with a one-line reason in error when anything
  // failed (a size outside 1..65535, a delay outside 0..65535, more than 256 colours, a colour
  // outside the palette, no frames, a giflib error).
  bool Finish(std::string& bytes, std::string& error);

 private:
  struct Encoder;
  void Fail();

  int width_, height_, delayCs_;
  int frames_ = 0;
  std::string bytes_;
  std::string error_;
  std::unique_ptr<Encoder> encoder_;
};

}  // namespace jouk
