// The functions the page's script calls: plain C, each taking the session it made. Texts go in
// and out as UTF-8 in the module's memory; the pixels are handed over as a pointer into it.
#include <emscripten/emscripten.h>

#include <new>

#include "model/Animation.hpp"
#include "model/NumberText.hpp"
#include "model/Parameters.hpp"
#include "model/Raster.hpp"
#include "tools/TablesJson.hpp"
#include "web/WebJson.hpp"
#include "web/WebSession.hpp"

using jouk::web::WebSession;

extern "C" {

// A session for a picture of width × height device pixels drawn with a pen penWidth pixels wide;
// null when the size is outside the limits.
EMSCRIPTEN_KEEPALIVE WebSession* jouk_session_create(int width, int height, int penWidth) {
  if (!jouk::web::PictureSizeAllowed(width, height, penWidth)) return nullptr;
  return new (std::nothrow) WebSession(width, height, penWidth);
}

// Draws on a new picture of width × height device pixels with the given pen (another pixel
// density); 0, changing nothing, when the size is outside the limits.
EMSCRIPTEN_KEEPALIVE int jouk_resize(WebSession* s, int width, int height, int penWidth) {
  return jouk::web::ResizePicture(*s, width, height, penWidth) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void jouk_session_destroy(WebSession* s) {
  delete s;
}

// Sets the text of parameter k (0..7); 0 for another k or a null text.
EMSCRIPTEN_KEEPALIVE int jouk_set_text(WebSession* s, int k, const char* text) {
  std::string* field = jouk::web::ParameterText(*s, k);
  if (field == nullptr || text == nullptr) return 0;
  *field = text;
  return 1;
}

// The text of parameter k, or an empty text for another k.
EMSCRIPTEN_KEEPALIVE const char* jouk_text(WebSession* s, int k) {
  const std::string* field = jouk::web::ParameterText(*s, k);
  return field != nullptr ? field->c_str() : "";
}

// Recomputes from the texts: 1 when accepted, 0 when rejected (see jouk_message).
EMSCRIPTEN_KEEPALIVE int jouk_recompute(WebSession* s) {
  return jouk::web::RecomputeFromTexts(*s) ? 1 : 0;
}

// Why the last recompute was rejected (empty when it was accepted).
EMSCRIPTEN_KEEPALIVE const char* jouk_message(WebSession* s) {
  return s->status.message.c_str();
}

EMSCRIPTEN_KEEPALIVE void jouk_start(WebSession* s) {
  jouk::web::StartAnimation(*s);
}

EMSCRIPTEN_KEEPALIVE void jouk_tick(WebSession* s) {
  jouk::web::Tick(*s);
}

EMSCRIPTEN_KEEPALIVE int jouk_ticks(WebSession* s) {
  return s->ticks;
}

// The timer's interval in milliseconds.
EMSCRIPTEN_KEEPALIVE int jouk_tick_interval_ms() {
  return jouk::kTickIntervalMs;
}

EMSCRIPTEN_KEEPALIVE int jouk_width(WebSession* s) {
  return s->picture->raster().width();
}

EMSCRIPTEN_KEEPALIVE int jouk_height(WebSession* s) {
  return s->picture->raster().height();
}

// The picture as R, G, B, A bytes, width × height × 4 of them, valid until the next call.
EMSCRIPTEN_KEEPALIVE const unsigned char* jouk_rgba(WebSession* s) {
  return jouk::web::CanvasPixels(*s);
}

// The device pixels of `logical` CSS pixels at a device pixel ratio, as the window's plot makes
// its backing image.
EMSCRIPTEN_KEEPALIVE int jouk_device_pixels(int logical, double ratio) {
  return jouk::DevicePixelsFor(logical, ratio);
}

// The pen's width in device pixels at a device pixel ratio.
EMSCRIPTEN_KEEPALIVE int jouk_pen_width(double ratio) {
  return jouk::PenWidthForRatio(ratio);
}

// The text a scroll-bar change writes into parameter k's box for position p: p / divisor in its
// shortest form; empty for a parameter without a scroll bar.
EMSCRIPTEN_KEEPALIVE const char* jouk_value_text(int k, int p) {
  static std::string text;
  text.clear();
  if (k >= 0 && k < static_cast<int>(jouk::kParameterCount)) {
    const auto& bar = jouk::kParameters[static_cast<std::size_t>(k)].bar;
    if (bar) text = jouk::NumberToText(p / bar->divisor);
  }
  return text.c_str();
}

// The parameter table and the windows' layout (tools/TablesJson.hpp), UTF-8.
EMSCRIPTEN_KEEPALIVE const char* jouk_tables_json() {
  static const std::string json = jouk::TablesJson();
  return json.c_str();
}

// The notes of the last accepted recompute, as JSON (web/WebJson.hpp).
EMSCRIPTEN_KEEPALIVE const char* jouk_notes_json(WebSession* s) {
  s->answer = jouk::web::NotesJson(*s);
  return s->answer.c_str();
}

// The boxes whose text is not applied yet, with the mark's message, as JSON.
EMSCRIPTEN_KEEPALIVE const char* jouk_pending_json(WebSession* s) {
  s->answer = jouk::web::PendingJson(*s);
  return s->answer.c_str();
}

// Why the last recompute was rejected, as JSON; null when it was accepted.
EMSCRIPTEN_KEEPALIVE const char* jouk_rejection_json(WebSession* s) {
  s->answer = jouk::web::RejectionJson(*s);
  return s->answer.c_str();
}

// The lift and pressure of the solution shown, as JSON.
EMSCRIPTEN_KEEPALIVE const char* jouk_lift_json(WebSession* s) {
  s->answer = jouk::web::LiftJson(*s);
  return s->answer.c_str();
}

// Makes a file of the plot's menu (0 points CSV, 1 SVG, 2 GIF, 3 PNG's pixels): its length, or 0
// when there is none; the bytes are at jouk_answer until the next call.
EMSCRIPTEN_KEEPALIVE int jouk_save(WebSession* s, int kind) {
  if (kind < 0 || kind > 3) return 0;
  const bool made = jouk::web::SaveFile(*s, static_cast<jouk::web::SavedFile>(kind));
  return made ? static_cast<int>(s->answer.size()) : 0;
}

EMSCRIPTEN_KEEPALIVE const char* jouk_answer(WebSession* s) {
  return s->answer.data();
}

}  // extern "C"
