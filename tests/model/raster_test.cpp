// The raster without any toolkit: the pixel of a device position at the picture's edges, and a
// picture that cannot be allocated.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/FlowPicture.hpp"
#include "model/Raster.hpp"

namespace jouk {
namespace {

TEST(Raster, PixelAtPutsTheClosedEdgesInTheLastColumnAndRow) {
  EXPECT_EQ(PixelAt({0, 0}, 600, 400), (Pixel{0, 0}));
  EXPECT_EQ(PixelAt({600, 400}, 600, 400), (Pixel{599, 399}));
  EXPECT_EQ(PixelAt({599.999, 0.999}, 600, 400), (Pixel{599, 0}));
  EXPECT_EQ(PixelAt({1.0, 2.0}, 600, 400), (Pixel{1, 2}));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const DevicePoint p : {DevicePoint{-1e-12, 0}, DevicePoint{0, 400.0000001},
                              DevicePoint{nan, 1}, DevicePoint{1, nan}}) {
    EXPECT_FALSE(PixelAt(p, 600, 400).has_value()) << p.u << "," << p.v;
  }
}

// The world window of the plot maps its corners onto the picture's corners, y upwards.
TEST(Raster, PlotWindowMapsCornersAndCentre) {
  const DeviceMap map(WorldWindowFor(2), 600, 400);
  const DevicePoint upperLeft = map.ToDevice(-2, 2.0 * 2 / 3);
  EXPECT_NEAR(upperLeft.u, 0, 1e-12);
  EXPECT_NEAR(upperLeft.v, 0, 1e-5);  // the corner in single precision
  EXPECT_EQ(map.ToDevice(0, 0).u, 300);
  EXPECT_EQ(map.ToDevice(0, 0).v, 200);
  EXPECT_EQ(map.ToDevice(2, 0).u, 600);
  EXPECT_GT(map.ToDevice(0, -1).v, 200);
}

TEST(Raster, AnImageThatCannotBeAllocatedDrawsNothing) {
  RasterImage none(0, 400, kPlotBackground);
  EXPECT_TRUE(none.empty());
  EXPECT_EQ(none.raster().width(), 0);
  none.raster().Scale(-1, 1, 1, -1);
  none.raster().Line(-1, 1, 1, -1, kContourColor);
  const double x[] = {-1, 1}, y[] = {1, -1};
  none.raster().Polyline(x, y, 2, kContourColor);
  none.raster().Cls();

  RasterImage one(1, 1, kPlotBackground);
  ASSERT_FALSE(one.empty());
  one.raster().Scale(-1, 1, 1, -1);
  one.raster().Line(5, 5, 6, 6, kContourColor);  // wholly outside
  EXPECT_EQ(one.pixels()[0], kPlotBackground);
  one.raster().Line(-1, 1, 1, -1, kContourColor);
  EXPECT_EQ(one.pixels()[0], kContourColor);
}

}  // namespace
}  // namespace jouk
