#include "web/WebJson.hpp"

#include <algorithm>
#include <cmath>

#include "model/Aerodynamics.hpp"
#include "model/AxisTicks.hpp"
#include "model/EdgeNotes.hpp"
#include "model/Messages.hpp"
#include "tools/JsonWriter.hpp"

namespace jouk::web {

namespace {

void Context(JsonWriter& j, const char* context) {
  if (context != nullptr) {
    j.String(context);
  } else {
    j.Null();
  }
}

void Message(JsonWriter& j, const FilledMessage& m) {
  j.Open('{').Key("context");
  Context(j, m.context);
  j.Key("text").String(m.text).Key("places").Open('[');
  for (const MessagePlace& p : m.places) {
    j.Open('{').Key("text").String(p.text).Key("context");
    Context(j, p.context);
    j.Close('}');
  }
  j.Close(']').Close('}');
}

void Curve(JsonWriter& j, const std::vector<CurvePoint>& curve) {
  j.Open('[');
  for (const CurvePoint& p : curve) j.Open('[').Number(p.x).Number(p.y).Close(']');
  j.Close(']');
}

// The lift's error as a message: its id with its places, or its English text.
FilledMessage LiftError(const LiftAndPressure& r) {
  if (!r.errorId) return {nullptr, r.error, {}};
  std::vector<MessagePlace> places;
  for (const std::string& place : r.errorPlaces) places.push_back({place});
  return Filled(*r.errorId, std::move(places));
}

void LiftResult(JsonWriter& j, const LiftAndPressure& r, const PressureCurves& curves) {
  j.Key("ok").Bool(true).Key("circulation").String(FigureText(r.circulation));
  j.Key("lift").String(FigureText(r.liftCoefficient)).Key("notes").Open('[');
  for (const MessageId id : CurveNotes(r)) Message(j, Filled(id, {{FigureText(r.kuttaFactor)}}));
  j.Close(']');
  j.Key("upper");
  Curve(j, curves.upper);
  j.Key("lower");
  Curve(j, curves.lower);
}

// The −Cp axis of the curves: from the lowest finite −Cp to the highest (at least −1 to 1), out
// to whole steps of NiceStep(range / 6); its ticks the model's, a step of NiceStep of that range
// over 6, as the lift window takes them.
void PressureAxis(JsonWriter& j, const PressureCurves& curves) {
  double low = -1;
  double high = 1;
  for (const std::vector<CurvePoint>* curve : {&curves.upper, &curves.lower}) {
    for (const CurvePoint& p : *curve) {
      if (!std::isfinite(p.y)) continue;
      low = std::min(low, p.y);
      high = std::max(high, p.y);
    }
  }
  const double fit = NiceStep((high - low) / 6);
  const double bottom = std::floor(low / fit) * fit;
  const double top = std::ceil(high / fit) * fit;
  const double step = NiceStep((top - bottom) / 6);
  j.Key("axis").Open('{').Key("bottom").Number(bottom).Key("top").Number(top);
  j.Key("step").Number(step).Key("ticks").Open('[');
  for (const double v : AxisTicks(bottom, top, step)) j.Number(v);
  j.Close(']').Close('}');
}

}  // namespace

std::string NotesJson(const WebSession& s) {
  JsonWriter j;
  j.Open('[');
  for (const ReadingNote& note : s.notes) {
    j.Open('{').Key("parameter").Number(static_cast<double>(note.parameter)).Key("message");
    Message(j, NoteMessage(note));
    j.Close('}');
  }
  j.Close(']');
  return j.Text();
}

std::string PendingJson(const WebSession& s) {
  JsonWriter j;
  j.Open('{').Key("message");
  Message(j, Filled(MessageId::kNotAppliedYet));
  j.Key("boxes").Open('[');
  for (const bool pending : PendingBoxes(s.shownTexts, s.texts)) j.Bool(pending);
  j.Close(']').Close('}');
  return j.Text();
}

std::string RejectionJson(const WebSession& s) {
  JsonWriter j;
  if (s.status.ok) {
    j.Null();
  } else {
    Message(j, RejectionMessage(s.status));
  }
  return j.Text();
}

std::string LiftJson(const WebSession& s) {
  JsonWriter j;
  j.Open('{');
  PressureCurves curves;
  if (!s.solved) {
    j.Key("ok").Bool(false).Key("message").Null();
  } else if (const LiftAndPressure r = ComputeLiftAndPressure(s.st); !r.ok) {
    j.Key("ok").Bool(false).Key("message");
    Message(j, LiftError(r));
  } else {
    curves = PressureCurvesOf(r);
    LiftResult(j, r, curves);
  }
  PressureAxis(j, curves);
  j.Close('}');
  return j.Text();
}

}  // namespace jouk::web
