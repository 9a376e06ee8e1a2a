// The looping animation: every frame of the GIF is the PNG of the same moment, pixel for pixel,
// and the file loops forever at the chosen delay.
#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "export/ExportPictures.hpp"
#include "tests/export/GifDecoder.hpp"
#include "model/Recompute.hpp"

namespace jouk {
namespace {

FlowState Solved(const ParameterTexts& texts) {
  FlowState st;
  LoadInitialisation(st);
  if (!Recompute(st, texts).ok) ADD_FAILURE() << "rejected";
  return st;
}

struct Case {
  const char* name;
  ParameterTexts texts;
  int firstTick, frames, width, height;
};

TEST(WindowGif, EveryFrameIsThePngOfItsMoment) {
  ParameterTexts steep;
  steep.Alfa = "20";
  steep.kMax = "7";
  steep.Olcek = "0.6";
  ParameterTexts plate;
  plate.Delta = "0";
  plate.Gama = "0";
  plate.iKutta = "0.5";
  for (const Case& c : {Case{"start-up loop", ParameterTexts{}, 1, 10, 600, 400},
                        Case{"from the start picture", steep, 0, 3, 300, 200},
                        Case{"late and small", plate, 37, 4, 90, 60}}) {
    FlowState st = Solved(c.texts);
    std::string bytes, error;
    ASSERT_TRUE(WindowGif(st, c.firstTick, c.frames, c.width, c.height, kGifDelayCs, bytes, error))
        << c.name << ": " << error;
    const testing::Decoded gif = testing::Decode(bytes);
    ASSERT_TRUE(gif.ok) << c.name << ": " << gif.error;
    EXPECT_EQ(gif.version, "GIF89a");
    EXPECT_EQ(gif.width, c.width);
    EXPECT_EQ(gif.height, c.height);
    ASSERT_EQ(static_cast<int>(gif.frames.size()), c.frames) << c.name;
    EXPECT_EQ(gif.loopCounts, std::vector<int>{0}) << "one NETSCAPE2.0 block, looping forever";
    for (int k = 0; k < c.frames; ++k) {
      EXPECT_EQ(gif.delays[static_cast<std::size_t>(k)], 2);
      FlowState fresh = Solved(c.texts);
      const QByteArray png = WindowPng(fresh, c.firstTick + k, c.width, c.height);
      const QImage image = QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
      ASSERT_EQ(image.size(), QSize(c.width, c.height));
      int differing = 0;
      for (int y = 0; y < c.height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < c.width; ++x) {
          const std::uint32_t shown =
              gif.frames[static_cast<std::size_t>(k)][static_cast<std::size_t>(y * c.width + x)];
          differing += shown != (row[x] & 0xffffffu);
        }
      }
      EXPECT_EQ(differing, 0) << c.name << ", frame " << k + 1;
    }
  }
}

// Ten frames from the first tick close the loop: the frame after the last (tick 11) shows the
// same lines as the first, so the repeat is seamless.
TEST(WindowGif, TenFramesFromTheFirstTickMakeASeamlessLoop) {
  FlowState first = Solved(ParameterTexts{});
  FlowState next = Solved(ParameterTexts{});
  const QImage one = QImage::fromData(WindowPng(first, 1, 600, 400), "PNG");
  const QImage eleven = QImage::fromData(WindowPng(next, 11, 600, 400), "PNG");
  int differing = 0, grey = 0;
  for (int y = 0; y < 400; ++y) {
    for (int x = 0; x < 600; ++x) {
      const bool a = one.pixel(x, y) == 0xffc8c8c8u, b = eleven.pixel(x, y) == 0xffc8c8c8u;
      differing += a != b;
      grey += a;
    }
  }
  EXPECT_GT(grey, 1000);
  EXPECT_LT(differing, grey / 100) << "the period's rounding moves at most a few pixels";
}

TEST(WindowGif, RefusesWhatCannotBeMade) {
  FlowState st = Solved(ParameterTexts{});
  std::string bytes, error;
  EXPECT_FALSE(WindowGif(st, 1, 0, 60, 40, 2, bytes, error));
  EXPECT_EQ(error, "no frames to encode.");
  EXPECT_TRUE(bytes.empty());
  EXPECT_FALSE(WindowGif(st, 1, 1, 0, 40, 2, bytes, error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace jouk
