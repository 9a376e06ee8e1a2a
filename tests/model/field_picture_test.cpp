// The field picture: its scene at the ends of the map, the pressure colour scale and the colour
// bar's numbers, and the pixels at device-pixel ratios 1 and 2.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "model/Aerodynamics.hpp"
#include "model/FieldPicture.hpp"
#include "model/FlowPicture.hpp"
#include "model/Recompute.hpp"
#include "tests/model/Tolerance.hpp"

namespace jouk {
namespace {

using testing::Near;

FlowState Recomputed(const ParameterTexts& texts = {}) {
  FlowState st;
  LoadInitialisation(st);
  EXPECT_TRUE(Recompute(st, texts).ok);
  return st;
}

TEST(FieldPicture, BarNumbersRunFromTheLimitDown) {
  struct Row {
    const char* name;
    double limit;
    std::vector<std::string> texts;
  };
  const Row rows[] = {
      {"one", 1, {"1", "0.5", "0", "-0.5", "-1"}},
      {"two", 2, {"2", "1", "0", "-1", "-2"}},
      {"five", 5, {"5", "2.5", "0", "-2.5", "-5"}},
      {"twenty", 20, {"20", "10", "0", "-10", "-20"}},
  };
  for (const Row& row : rows) {
    const std::vector<BarTick> ticks = CpBarTicks(row.limit);
    ASSERT_EQ(ticks.size(), row.texts.size()) << row.name;
    for (std::size_t k = 0; k < ticks.size(); ++k) {
      EXPECT_EQ(ticks[k].text, row.texts[k]) << row.name;
      EXPECT_EQ(ticks[k].value, row.limit * (1 - 0.5 * static_cast<double>(k))) << row.name;
    }
  }
}

TEST(FieldPicture, ScaleLimitCoversAllButTheLastPercent) {
  struct Row {
    const char* name;
    std::vector<double> values;
    double limit;
  };
  std::vector<double> outlier(99, -0.5);
  outlier.push_back(-1e9);
  const Row rows[] = {
      {"none", {}, 1},
      {"exactly_one", {0.3, -1, 1}, 1},
      {"just_above_one", {1.0000001}, 2},
      {"suction_three", std::vector<double>(100, -3), 5},
      {"one_outlier_in_a_hundred", outlier, 1},
      {"unbounded", std::vector<double>(100, -HUGE_VAL), 20},
      {"not_a_number", {std::nan("")}, 20},
      {"at_ten", {10, -10}, 10},
  };
  for (const Row& row : rows) EXPECT_EQ(CpScaleLimit(row.values), row.limit) << row.name;
}

// Relative luminance of an sRGB colour, without the gamma (enough to order them).
double Lightness(Rgb c) {
  return 0.2126 * ((c >> 16) & 255) + 0.7152 * ((c >> 8) & 255) + 0.0722 * (c & 255);
}

TEST(FieldPicture, ColourScaleIsSymmetricAndDiverging) {
  for (const double limit : {1.0, 5.0}) {
    EXPECT_EQ(CpColor(0, limit), kPlotBackground);
    EXPECT_EQ(CpColor(2 * limit, limit), CpColor(limit, limit));
    EXPECT_EQ(CpColor(-HUGE_VAL, limit), CpColor(-limit, limit));
    double lastUp = Lightness(kPlotBackground);
    double lastDown = lastUp;
    for (int k = 1; k <= 20; ++k) {
      const double cp = limit * k / 20;
      const Rgb up = CpColor(cp, limit);
      const Rgb down = CpColor(-cp, limit);
      // Lighter towards both ends by the same steps in position, orange above 0, blue below.
      EXPECT_GT(Lightness(up), lastUp) << cp;
      EXPECT_GT(Lightness(down), lastDown) << cp;
      lastUp = Lightness(up);
      lastDown = Lightness(down);
      EXPECT_GT((up >> 16) & 255, up & 255) << cp;
      EXPECT_GT(down & 255, (down >> 16) & 255) << cp;
    }
  }
  EXPECT_EQ(CpColor(std::nan(""), 1), kPlotBackground);
}

TEST(FieldPicture, SceneAtTheEndsOfTheMap) {
  const FlowState st = Recomputed();
  FieldScene one, zero;
  MessageId reason{};
  ASSERT_TRUE(MakeFieldScene(st, {.t = 1}, one, reason));
  ASSERT_TRUE(MakeFieldScene(st, {.t = 0}, zero, reason));
  const SurfaceFlow& f = one.flow.surface;
  // At t = 1 the singular point b is the trailing edge, and the stagnation points those of the
  // lift computation.
  EXPECT_TRUE(Near(one.singular[0].real(), -2 * f.b * f.cosAlfa, 1e-15));
  EXPECT_TRUE(Near(one.singular[0].imag(), 2 * f.b * f.sinAlfa, 1e-15));
  const LiftAndPressure lift = ComputeLiftAndPressure(st);
  ASSERT_TRUE(lift.ok);
  EXPECT_TRUE(Near(one.stagnation[1].real(), lift.frontStagnationX, 1e-9));
  EXPECT_TRUE(Near(one.stagnation[1].imag(), lift.frontStagnationY, 1e-9));
  EXPECT_TRUE(Near(one.stagnation[0].real(), lift.rearStagnationX, 1e-9));
  EXPECT_TRUE(Near(one.stagnation[0].imag(), lift.rearStagnationY, 1e-9));
  // At t = 0 the centre is the circle's own, mirrored and turned; |ζ| = b has radius b there and
  // is the slit from −2b to 2b at t = 1.
  EXPECT_EQ(zero.centre, TurnByAngle(Mirror(zero.flow.centre), f.cosAlfa, f.sinAlfa));
  for (const Complex p : zero.singularCircle) EXPECT_TRUE(Near(std::abs(p), f.b, 1e-15));
  for (const Complex p : one.singularCircle) {
    const Complex unturned = UnturnByAngle(p, f.cosAlfa, f.sinAlfa);
    EXPECT_TRUE(Near(unturned.imag(), 0, 1e-15));
    EXPECT_LE(std::fabs(unturned.real()), 2 * f.b * (1 + 1e-15));
  }
  EXPECT_EQ(one.streamlines.size(), 11u);
}

TEST(FieldPicture, RefusesAStageOutsideTheMapAndAStoreWithoutFlow) {
  const FlowState st = Recomputed();
  FieldScene scene;
  MessageId reason{};
  for (const double t : {-0.01, 1.01, std::nan("")})
    EXPECT_FALSE(MakeFieldScene(st, {.t = t}, scene, reason));
  FlowState empty;
  LoadInitialisation(empty);
  EXPECT_FALSE(MakeFieldScene(empty, {}, scene, reason));
  EXPECT_EQ(reason, MessageId::kNoFlowYet);
  RasterImage image(30, 20, MakeRgb(1, 2, 3));
  EXPECT_FALSE(DrawFieldPicture(image.raster(), empty, {}, 1, reason));
  EXPECT_EQ(image.pixels()[0], MakeRgb(1, 2, 3));  // untouched
}

std::set<Rgb> Colours(const RasterImage& image) {
  return {image.pixels().begin(), image.pixels().end()};
}

TEST(FieldPicture, WithoutPressureOnlyThePicturesColours) {
  const FlowState st = Recomputed();
  for (const double t : {0.0, 0.5, 1.0}) {
    RasterImage image(300, 200, kPlotBackground);
    MessageId reason{};
    ASSERT_TRUE(DrawFieldPicture(image.raster(), st, {.t = t}, 1, reason));
    std::set<Rgb> expected = {kPlotBackground, kContourColor, kStreamlineColor, kSingularMarkColor,
                              kStagnationMarkColor};
    // The map carries the circle's centre off past the window's edge as t grows (the pole ζ = 0
    // lies next to it): at t = 0 it is marked.
    if (t == 0) expected.insert(kCentreMarkColor);
    std::set<Rgb> shown = Colours(image);
    if (t != 0) shown.erase(kCentreMarkColor);
    EXPECT_EQ(shown, expected) << t;
  }
}

TEST(FieldPicture, PressureColoursAndTheBarAtEitherRatio) {
  const FlowState st = Recomputed();
  for (const int ratio : {1, 2}) {
    RasterImage image(300 * ratio, 200 * ratio, kPlotBackground);
    MessageId reason{};
    ASSERT_TRUE(DrawFieldPicture(image.raster(), st, {.t = 1, .cp = true}, ratio, reason));
    EXPECT_EQ(image.raster().PenWidth(), ratio);
    // The bar's top row is +limit, its bottom row −limit, each at its pixel's centre.
    FieldScene scene;
    ASSERT_TRUE(MakeFieldScene(st, {.t = 1, .cp = true}, scene, reason));
    const double limit = SceneCpLimit(scene, {.t = 1, .cp = true});
    EXPECT_EQ(limit, 1);  // only near the nose is the suction beyond −1
    const Raster& r = image.raster();
    const int top = r.height() / 5;
    const int rows = r.height() - 2 * top;
    const int strip = r.width() - 58 * ratio + 2;
    const double end = limit * (1 - 1.0 / rows);
    EXPECT_EQ(r.pixels()[top * r.pitch() + strip], CpColor(end, limit));
    EXPECT_EQ(r.pixels()[(top + rows - 1) * r.pitch() + strip], CpColor(-end, limit));
    // A pixel of the free stream far from the section: Cp near 0, the ground's grey nearly.
    double cp = 0;
    ASSERT_TRUE(FieldCpAt(scene, {.t = 1, .cp = true}, Complex(-0.99, 0.6), cp));
    EXPECT_TRUE(Near(cp, 0, 0.05));
  }
}

}  // namespace
}  // namespace jouk
