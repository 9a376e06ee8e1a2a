#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "export/GifEncoder.hpp"
#include "tests/export/GifDecoder.hpp"
#include "tests/export/GifFrames.hpp"

namespace jouk {
namespace {

using testing::Decode;
using testing::Decoded;
using testing::EncodeGif;
using testing::Frame;

constexpr std::uint32_t kBackground = 0xFF505050;  // 80,80,80
constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGrey = 0xFFC8C8C8;  // 200,200,200

// The frame's pixels without their alpha byte, as decoded frames hold them.
Frame Rgb(Frame frame) {
  for (std::uint32_t& p : frame) p &= 0xFFFFFF;
  return frame;
}

// A frame of the three picture colours: a red ring, and grey waves that move with phase.
Frame Picture(int width, int height, int phase) {
  Frame f(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kBackground);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int dx = x - width / 2;
      const int dy = y - height / 2;
      const int r2 = dx * dx + 4 * dy * dy;
      std::uint32_t& p = f[static_cast<std::size_t>(y) * width + x];
      if (r2 >= width * width / 16 && r2 < width * width / 12) {
        p = kRed;
      } else if ((x + phase + (y % 3)) % 11 == 0) {
        p = kGrey;
      }
    }
  }
  return f;
}

TEST(GifEncoder, EveryFrameDecodesToItsInputWithLoopAndDelay) {
  // Odd sizes, three frames that differ, and alpha bytes that must not matter.
  const int w = 37;
  const int h = 23;
  std::vector<Frame> frames = {Picture(w, h, 0), Picture(w, h, 4), Picture(w, h, 9)};
  frames[1][5] &= 0x00FFFFFF;  // same colour, alpha 0
  frames[2][0] = 0x7FFF0000;   // red with another alpha
  std::string bytes;
  std::string error;
  ASSERT_TRUE(EncodeGif(frames, w, h, 7, bytes, error)) << error;
  EXPECT_TRUE(error.empty());
  EXPECT_EQ(bytes.back(), '\x3B');  // the trailer

  const Decoded d = Decode(bytes);
  ASSERT_TRUE(d.ok) << d.error;
  EXPECT_EQ(d.version, "GIF89a");
  EXPECT_EQ(d.width, w);
  EXPECT_EQ(d.height, h);
  EXPECT_EQ(d.paletteSize, 4);  // three colours, padded to a power of two
  ASSERT_EQ(d.frames.size(), frames.size());
  for (std::size_t i = 0; i < frames.size(); ++i) {
    EXPECT_EQ(d.frames[i], Rgb(frames[i])) << "frame " << i;
    EXPECT_EQ(d.delays[i], 7) << "frame " << i;
    EXPECT_EQ(d.disposals[i], DISPOSE_DO_NOT) << "frame " << i;
  }
  // One loop extension, before the first frame, looping forever.
  EXPECT_EQ(d.loopExtensions, 1);
  EXPECT_EQ(d.loopCounts, std::vector<int>{0});
}

TEST(GifEncoder, PaletteIsTheDistinctColoursOfAllFramesPaddedToAPowerOfTwo) {
  // n distinct colours, shared out over two frames; the table has the next power of two.
  const std::vector<std::pair<int, int>> cases = {{1, 2}, {2, 2},     {3, 4},    {4, 4},
                                                  {5, 8}, {129, 256}, {256, 256}};
  for (const auto& [n, tableSize] : cases) {
    // Colour c is distinct in red, with green and blue varying too; colour 0, black, fills the
    // rest and comes first.
    const auto colour = [](int c) {
      return static_cast<std::uint32_t>(0xFF000000u | c << 16 | ((c * 7) & 0xFF) << 8 |
                                        ((c * 13) & 0xFF));
    };
    const int w = 16;
    const int h = 16;
    Frame first(w * h, colour(0));
    Frame second(w * h, colour(0));
    for (int c = 1; c < n; ++c)
      (c % 2 == 0 ? first : second)[static_cast<std::size_t>(c)] = colour(c);
    std::string bytes;
    std::string error;
    ASSERT_TRUE(EncodeGif({first, second}, w, h, 0, bytes, error)) << n << ": " << error;
    const Decoded d = Decode(bytes);
    ASSERT_TRUE(d.ok) << d.error;
    EXPECT_EQ(d.paletteSize, tableSize) << n << " colours";
    ASSERT_EQ(d.frames.size(), 2u);
    EXPECT_EQ(d.frames[0], Rgb(first)) << n << " colours";
    EXPECT_EQ(d.frames[1], Rgb(second)) << n << " colours";
    EXPECT_EQ(d.delays, (std::vector<int>{0, 0}));
  }
}

TEST(GifEncoder, RefusesWhatAGifCannotHoldWithAReason) {
  const Frame small(6, kBackground);
  const auto refused = [](const std::vector<Frame>& frames, int w, int h, int delay,
                          const std::string& word) {
    std::string bytes = "old";
    std::string error;
    EXPECT_FALSE(EncodeGif(frames, w, h, delay, bytes, error)) << word;
    EXPECT_TRUE(bytes.empty()) << word;
    EXPECT_NE(error.find(word), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  };
  // 257 colours over two frames: 0..127 in the first, 128..256 in the second.
  Frame a(16 * 16);
  Frame b(16 * 16);
  for (std::uint32_t i = 0; i < 256; ++i) {
    a[i] = i % 128;
    b[i] = 128 + i % 129;
  }
  refused({a, b}, 16, 16, 5, "256 colours");
  // A frame one pixel short, and one pixel long.
  refused({small, Frame(5, kBackground)}, 3, 2, 5, "frame 2");
  refused({Frame(7, kBackground)}, 3, 2, 5, "frame 1");
  refused({}, 3, 2, 5, "no frames");
  refused({Frame{}}, 0, 0, 5, "0x0");
  refused({Frame(65536, kBackground)}, 65536, 1, 5, "65536x1");
  refused({small}, 3, 2, -1, "-1");
  refused({small}, 3, 2, 65536, "65536");
}

TEST(GifEncoder, TakesTheLargestSideAndDelayTheFormatHolds) {
  Frame row(65535, kBackground);
  row[65534] = kRed;
  std::string bytes;
  std::string error;
  ASSERT_TRUE(EncodeGif({row}, 65535, 1, 65535, bytes, error)) << error;
  const Decoded d = Decode(bytes);
  ASSERT_TRUE(d.ok) << d.error;
  EXPECT_EQ(d.width, 65535);
  ASSERT_EQ(d.frames.size(), 1u);
  EXPECT_EQ(d.frames[0], Rgb(row));
  EXPECT_EQ(d.delays[0], 65535);
}

TEST(GifEncoder, EncodesTheLargestPicture) {
  // 6000 × 4000, the largest export, in two frames.
  const int w = 6000;
  const int h = 4000;
  const std::vector<Frame> frames = {Picture(w, h, 0), Picture(w, h, 5)};
  std::string bytes;
  std::string error;
  ASSERT_TRUE(EncodeGif(frames, w, h, 10, bytes, error)) << error;
  const Decoded d = Decode(bytes);
  ASSERT_TRUE(d.ok) << d.error;
  ASSERT_EQ(d.frames.size(), 2u);
  EXPECT_TRUE(d.frames[0] == Rgb(frames[0]));
  EXPECT_TRUE(d.frames[1] == Rgb(frames[1]));
}

}  // namespace
}  // namespace jouk
