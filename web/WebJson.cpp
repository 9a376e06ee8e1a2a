#include "web/WebJson.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/Aerodynamics.hpp"
#include "model/AxisTicks.hpp"
#include "model/EdgeNotes.hpp"
#include "model/Messages.hpp"
#include "model/PressureAxis.hpp"
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

// The −Cp axis of the curves (the model's, as the lift window draws it) with its ticks, and the
// peak a cut axis leaves above it, written as the window writes it (four significant digits).
void PressureAxis(JsonWriter& j, const PressureCurves& curves) {
  const jouk::PressureAxis axis = PressureAxisOf(curves);
  j.Key("axis").Open('{').Key("bottom").Number(axis.bottom).Key("top").Number(axis.top);
  j.Key("step").Number(axis.step).Key("ticks").Open('[');
  for (const double v : AxisTicks(axis.bottom, axis.top, axis.step)) j.Number(v);
  j.Close(']').Key("peakCut").Bool(axis.peakCut);
  char peak[32];
  std::snprintf(peak, sizeof peak, "%.4g", axis.peakCut ? axis.peak : 0.0);
  j.Key("peak").String(peak).Close('}');
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
