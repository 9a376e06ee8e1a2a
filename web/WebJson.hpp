// The browser edition's answers to its page as JSON: the notes of the last accepted recompute,
// the reason of the last rejection and the lift and pressure of the solution, each text as a
// filled message that the page puts into words in its language.
#pragma once

#include <string>

#include "web/WebSession.hpp"

namespace jouk::web {

// [{"parameter": k, "message": M}, …], one per note, where a message M is
// {"context": C or null, "text": English, "places": [{"text": T, "context": C or null}, …]}.
std::string NotesJson(const WebSession& s);

// The boxes whose text differs from that of the last accepted recompute (model/ReadingNotes'
// PendingBoxes): {"message": M, "boxes": [bool, …]}, one per parameter.
std::string PendingJson(const WebSession& s);

// The last recompute's rejection as a message M, or null when it was accepted.
std::string RejectionJson(const WebSession& s);

// {"ok": false, "message": null} before the first accepted recompute, {"ok": false, "message": M}
// when the lift cannot be computed; else {"ok": true, "circulation": figure, "lift": figure,
// "notes": [M, …], "upper": [[x/c, −Cp], …], "lower": […]}; each with the −Cp axis, "axis":
// {"bottom": b, "top": t, "step": s, "ticks": [v, …]}, the ticks those of model/AxisTicks.
std::string LiftJson(const WebSession& s);

}  // namespace jouk::web
