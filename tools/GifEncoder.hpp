// Animated GIF from frames of RGB pixels, through giflib; no Qt.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace jouk {

// Frames are width × height pixels, row by row, 0xAARRGGBB (the layout of Qt's QRgb and of an
// RGB32 image; alpha is ignored). Encodes them as a GIF89a that loops forever (NETSCAPE2.0
// application extension, loop count 0), each frame shown delayCs hundredths of a second, with one
// global palette of the distinct colours. Returns false with a one-line reason in error (no
// frames, a size outside 1..65535, a frame of the wrong size, more than 256 colours, a delay
// outside 0..65535, a giflib error); bytes is then empty.
bool EncodeGif(const std::vector<std::vector<std::uint32_t>>& frames, int width, int height,
               int delayCs, std::string& bytes, std::string& error);

}  // namespace jouk
