#include "web/WebField.hpp"

#include <cmath>
#include <utility>

#include "export/PictureFiles.hpp"
#include "layout/FieldWindowLayout.hpp"
#include "layout/WindowLayout.hpp"
#include "model/FlowPicture.hpp"
#include "tools/JsonWriter.hpp"

namespace jouk::web {

namespace {

constexpr auto kFirstWord = static_cast<std::size_t>(MessageId::kReadoutX);
constexpr auto kLastWord = static_cast<std::size_t>(MessageId::kReadoutUnbounded);

// The plot's size in the window, in logical pixels: the size of the files the panel saves.
constexpr int kSavedWidth = TwipsToPixels(kMainWindow.plot.control.box.width);
constexpr int kSavedHeight = TwipsToPixels(kMainWindow.plot.control.box.height);

bool Usable(const PointerAt& at) {
  return std::isfinite(at.u) && std::isfinite(at.v) && at.width >= 1 && at.height >= 1 &&
         at.t >= 0 && at.t <= 1;
}

void Value(JsonWriter& j, const char* key, bool shown, double v) {
  j.Key(key);
  if (shown) {
    j.Number(v);
  } else {
    j.Null();
  }
}

}  // namespace

ReadoutWordTable::ReadoutWordTable() {
  for (std::size_t id = kFirstWord; id <= kLastWord; ++id) {
    words.emplace_back(Message(static_cast<MessageId>(id)).english);
  }
}

bool ReadoutWordTable::Set(MessageId id, std::string text) {
  const auto k = static_cast<std::size_t>(id);
  if (k < kFirstWord || k > kLastWord) return false;
  words[k - kFirstWord] = std::move(text);
  return true;
}

ReadoutWords ReadoutWordTable::Lookup() const {
  return [this](MessageId id) { return words.at(static_cast<std::size_t>(id) - kFirstWord); };
}

std::string ReadoutJson(const WebSession& s, const PointerAt& at, const ReadoutWordTable& words) {
  FieldFlow flow;
  MessageId reason{};
  JsonWriter j;
  j.Open('{');
  if (!s.solved || !Usable(at) || !MakeFieldFlow(s.st, flow, reason)) {
    j.Key("ok").Bool(false).Close('}');
    return j.Text();
  }
  const WorldWindow window = WorldWindowFor(s.st.Olcek);
  const FieldProbe probe =
      ProbeField(flow, WorldAt(window, at.u, at.v, at.width, at.height), at.t, at.view);
  const FieldValue& v = probe.value;
  j.Key("ok").Bool(true).Key("x").Number(probe.shown.real()).Key("y").Number(probe.shown.imag());
  j.Key("inside").Bool(v.inside).Key("bounded").Bool(v.bounded);
  Value(j, "speed", !v.inside && v.bounded, v.speed);
  Value(j, "cp", !v.inside && v.bounded, v.cp);
  Value(j, "psi", !v.inside, v.psi);
  const DevicePoint other =
      DeviceMap(window, at.width, at.height).ToDevice(probe.other.real(), probe.other.imag());
  j.Key("other").Open('[').Number(other.u).Number(other.v).Close(']');
  j.Key("text").String(ReadoutText(probe, words.Lookup()));
  return j.Close('}').Text();
}

WebField::WebField(int width, int height, int penWidth)
    : picture(std::make_unique<RasterImage>(width, height, kPlotBackground)), pen(penWidth) {}

bool DrawField(WebField& f, const WebSession& s, const FieldPictureSetup& setup) {
  Raster& raster = f.picture->raster();
  raster.SetBackColor(kPlotBackground);
  MessageId reason{};
  return s.solved && DrawFieldPicture(raster, s.st, setup, f.pen, reason);
}

bool SaveField(WebField& f, const WebSession& s, const FieldPictureSetup& setup, bool png) {
  f.answer.clear();
  if (!s.solved) return false;
  MessageId reason{};
  if (!png) {
    if (!FieldSvg(s.st, setup, kSavedWidth, kSavedHeight, PictureDescription(s.shownTexts, 0),
                  f.answer, reason)) {
      f.answer.clear();
    }
    return !f.answer.empty();
  }
  RasterImage picture(kSavedWidth, kSavedHeight, kPlotBackground);
  if (picture.empty() || !DrawFieldPicture(picture.raster(), s.st, setup, 1, reason)) return false;
  std::vector<std::uint8_t> rgba;
  RgbaPixels(picture.pixels(), rgba);
  f.answer.assign(rgba.begin(), rgba.end());
  return true;
}

std::string FieldTablesJson() {
  const FieldWindowLayout& w = kFieldWindow;
  JsonWriter j;
  j.Open('{').Key("name").String(w.name).Key("context").String(w.context);
  const std::pair<const char*, const char*> texts[] = {{"caption", w.caption},
                                                       {"help", w.help},
                                                       {"mapCaption", w.mapCaption},
                                                       {"mapDescription", w.mapDescription},
                                                       {"circlePlane", w.circlePlane},
                                                       {"section", w.section},
                                                       {"play", w.play},
                                                       {"pause", w.pause},
                                                       {"pressure", w.pressure},
                                                       {"orientation", w.orientation},
                                                       {"asMain", w.asMain},
                                                       {"horizontal", w.horizontal},
                                                       {"nothingYet", w.nothingYet},
                                                       {"copy", w.copy},
                                                       {"save", w.save},
                                                       {"saveCaption", w.saveCaption},
                                                       {"pngFilter", w.pngFilter},
                                                       {"svgFilter", w.svgFilter},
                                                       {"notSaved", w.notSaved},
                                                       {"notMade", w.notMade},
                                                       {"fileName", w.fileName}};
  for (const auto& [key, text] : texts) j.Key(key).String(text);
  j.Key("stageSteps").Number(w.stageSteps).Key("playIntervalMs").Number(w.playIntervalMs);
  j.Key("mark").Open('[').Number(w.mark.red).Number(w.mark.green).Number(w.mark.blue).Close(']');
  j.Key("markRadius").Number(w.markRadius).Key("markLine").Number(w.markLine);
  j.Key("playPeriodS").Number(kMapPlayPeriod).Key("menuContext").String(kPlotMenuContext);
  j.Key("menu").Open('[');
  for (const FieldMenuItem& item : {kFieldMenuItem, kHorizontalMenuItem}) {
    j.Open('{').Key("name").String(item.name).Key("caption").String(item.caption).Close('}');
  }
  j.Close(']').Key("words").Open('[');
  for (std::size_t id = kFirstWord; id <= kLastWord; ++id) {
    const MessageText& m = Message(static_cast<MessageId>(id));
    j.Open('{').Key("id").Number(static_cast<double>(id)).Key("context").String(m.context);
    j.Key("text").String(m.english).Close('}');
  }
  return j.Close(']').Close('}').Text();
}

}  // namespace jouk::web
