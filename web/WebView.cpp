#include "web/WebView.hpp"

#include <utility>

#include "model/FlowPicture.hpp"

namespace jouk::web {

FlowState& Shown(WebSession& s) {
  return s.tunnel ? *s.tunnel : s.st;
}

void RenewViewCopy(WebSession& s) {
  if (!s.tunnelView) {
    s.tunnel.reset();
    return;
  }
  if (!s.solved) return;
  if (!s.tunnel) {
    s.tunnel = std::make_unique<FlowState>(s.st);
  } else {
    PointGrid lines1 = std::move(s.tunnel->YAnim1);
    PointGrid lines2 = std::move(s.tunnel->YAnim2);
    *s.tunnel = s.st;
    s.tunnel->YAnim1 = std::move(lines1);
    s.tunnel->YAnim2 = std::move(lines2);
  }
  ApplyView(*s.tunnel, FlowView::kTunnel);
}

void ShowView(WebSession& s, FlowView view) {
  const bool tunnel = view == FlowView::kTunnel;
  if (tunnel == s.tunnelView) return;
  s.tunnelView = tunnel;
  RenewViewCopy(s);
  if (!s.solved) return;
  // The picture as a fresh window in this view shows it after START and the same ticks.
  FlowState& shown = Shown(s);
  shown.YAnim1 = PointGrid();
  shown.YAnim2 = PointGrid();
  ReplayWindowPicture(s.picture->raster(), shown, s.ticks);
  s.frameStanding = s.ticks > 0;
}

}  // namespace jouk::web
