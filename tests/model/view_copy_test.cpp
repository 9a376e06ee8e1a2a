// A fresh copy of a store in the tunnel view, as the saves of the moment shown replay it: the
// ripples keep travelling downstream, so its picture is the tunnel view's own.
#include <gtest/gtest.h>

#include "model/FlowPicture.hpp"
#include "model/FlowViews.hpp"
#include "model/Recompute.hpp"

namespace jouk {
namespace {

FlowState Recomputed(FlowView view) {
  FlowState st;
  LoadInitialisation(st);
  EXPECT_TRUE(Recompute(st, ParameterTexts{.Alfa = "20", .kMax = "9"}).ok);
  ApplyView(st, view);
  return st;
}

TEST(ViewCopy, AFreshCopyKeepsTheRipplesDirection) {
  for (const FlowView view : {FlowView::kMain, FlowView::kTunnel}) {
    FlowState shown = Recomputed(view);
    AdvanceToFrame(shown, 7);  // the lines and the clock of a picture shown
    const auto fresh = FreshWindowCopy(shown);
    EXPECT_EQ(fresh->anim.downstream, view == FlowView::kTunnel);
    // The copy's replay is the picture of a store freshly recomputed in the view.
    FlowState direct = Recomputed(view);
    RasterImage fromCopy(240, 160, kPlotBackground);
    RasterImage fromStore(240, 160, kPlotBackground);
    ReplayWindowPicture(fromCopy.raster(), *fresh, 5);
    ReplayWindowPicture(fromStore.raster(), direct, 5);
    EXPECT_TRUE(fromCopy.pixels() == fromStore.pixels());
    EXPECT_EQ(fresh->anim, direct.anim);
  }
}

}  // namespace
}  // namespace jouk
