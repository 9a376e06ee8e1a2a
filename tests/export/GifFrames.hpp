// Test support: a whole list of frames as one looping GIF, through the program's GifWriter, so
// that a test can encode frames it holds in memory and compare what it decodes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "export/GifEncoder.hpp"

namespace jouk::testing {

// Frames are width × height pixels, row by row, 0xAARRGGBB (alpha ignored), each shown delayCs
// hundredths of a second, with one palette of the distinct colours in the order they first
// appear. False with a one-line reason in error (no frames, a frame of the wrong size, and all
// that GifWriter refuses); bytes is then empty.
inline bool EncodeGif(const std::vector<std::vector<std::uint32_t>>& frames, int width, int height,
                      int delayCs, std::string& bytes, std::string& error) {
  bytes.clear();
  if (frames.empty()) {
    error = "no frames to encode.";
    return false;
  }
  std::vector<std::uint32_t> palette;
  std::unordered_set<std::uint32_t> seen;
  const std::size_t pixels =
      width > 0 && height > 0 ? static_cast<std::size_t>(width) * static_cast<std::size_t>(height)
                              : 0;
  for (std::size_t f = 0; f < frames.size(); ++f) {
    if (frames[f].size() != pixels) {
      error = "frame " + std::to_string(f + 1) + " has " + std::to_string(frames[f].size()) +
              " pixels, not " + std::to_string(width) + "x" + std::to_string(height) + ".";
      return false;
    }
    std::uint32_t last = 0;
    for (std::size_t k = 0; k < pixels; ++k) {
      const std::uint32_t rgb = frames[f][k] & 0xFFFFFFu;
      if ((k > 0 && rgb == last) || !seen.insert(rgb).second) continue;
      last = rgb;
      palette.push_back(rgb);
    }
  }
  GifWriter writer(width, height, palette, delayCs);
  for (const std::vector<std::uint32_t>& frame : frames) {
    if (!writer.AddFrame(frame.data(), width)) break;
  }
  return writer.Finish(bytes, error);
}

}  // namespace jouk::testing
