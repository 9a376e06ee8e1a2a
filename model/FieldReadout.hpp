// What the pointer's readout says at a point of a shown picture: the flow there and the point it
// corresponds to in the other plane, and the readout's text, which the window's tooltip, the flow
// field window and the browser page all show.
//
// How to use it: ProbeField(flow, Q, t, view) for the view's world point Q of a picture at the
// map's stage t (the main picture is t = 1); ReadoutText(probe, word) for its text, with `word`
// giving the readout's words (MessageId::kReadoutX …) in the reader's language.
#pragma once

#include <functional>
#include <string>

#include "model/ConformalMap.hpp"
#include "model/FlowField.hpp"
#include "model/FlowViews.hpp"
#include "model/Messages.hpp"
#include "model/Raster.hpp"

namespace jouk {

// The flow under the pointer.
struct FieldProbe {
  Complex shown;     // Q, the point under the pointer, in the view's world coordinates
  FieldValue value;  // the flow there, around the body of the stage
  Complex other;     // the corresponding point of the other plane, in the view (OtherPlanePoint)
};

// The world point under the position (u, v) of a picture width × height in size (the same units,
// logical or device pixels; (0, 0) its upper-left corner) that shows the window w:
// x = x1 + u·(x2 − x1)/width, y = y1 + v·(y2 − y1)/height.
Complex WorldAt(const WorldWindow& w, double u, double v, double width, double height);

// The probe at the view's point Q of the picture at stage t (0 to 1):
// ζ = StageCirclePoint(Q, t), the flow FieldAtStagePoint(ζ, √t·b) and the other plane's point.
// At t = 1 the value is EvaluateField(FromView(Q)), the flow of the main picture.
FieldProbe ProbeField(const FieldFlow& flow, Complex Q, double t, FlowView view);

// A number of the readout: four places after the point below 10^6 ("0.1234", "-2.5000"), a
// value that rounds to zero without a sign ("0.0000"), larger magnitudes in the form
// "1.2346e+07"; a value that is not finite as "inf", "-inf" or "nan".
std::string ReadoutNumber(double v);

// Play runs the map's stage from where it stands up to 1, down to 0 and up again, one round in
// this many seconds.
inline constexpr double kMapPlayPeriod = 3;

// The stage `seconds` after Play started at stage t0 (0 to 1): the triangle wave of period
// kMapPlayPeriod that rises through t0 at 0 s, t = 1 − |1 − 2·frac(s/P + t0/2)|.
double PlayedStage(double seconds, double t0);

// The readout's words in the reader's language (UTF-8).
using ReadoutWords = std::function<std::string(MessageId)>;

// The readout's text, two lines:
//   "x = 0.1234, y = -0.0567"
//   "V/U = 1.0234, Cp = -0.0473, ψ = 0.0700"
// The second line is the word kReadoutInside inside the section; where the speed is unbounded
// V/U and Cp read the word kReadoutUnbounded.
std::string ReadoutText(const FieldProbe& probe, const ReadoutWords& word);

}  // namespace jouk
