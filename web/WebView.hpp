// The orientation the page's plot shows: the main picture, or the same flow with the free stream
// horizontal (model/FlowViews.hpp), which the plot's menu turns on and off. In that view the plot
// draws a copy of the store turned once per accepted recompute; the saves take the view shown.
#pragma once

#include "model/FlowViews.hpp"
#include "web/WebSession.hpp"

namespace jouk::web {

// The store the plot draws: the turned copy while the free stream is horizontal, else s.st.
FlowState& Shown(WebSession& s);

// After an accepted recompute: the turned copy made anew from s.st (its memory and the lines on
// the plot kept, for the next erase pass), or dropped in the main view.
void RenewViewCopy(WebSession& s);

// Shows the flow in the view: once a flow is shown, the plot holds what a freshly opened window
// in that view holds after START and the ticks shown so far, and the animation goes on from there.
void ShowView(WebSession& s, FlowView view);

}  // namespace jouk::web
