// The functions of the flow at the pointer, the flow field panel and the plot's view that the
// page's script calls: plain C, as those of Exports.cpp.
#include <emscripten/emscripten.h>

#include <new>

#include "web/WebField.hpp"
#include "web/WebView.hpp"

using jouk::web::WebField;
using jouk::web::WebSession;

namespace {

// The readout's words in the page's language, set once by the page.
jouk::web::ReadoutWordTable& Words() {
  static jouk::web::ReadoutWordTable words;
  return words;
}

jouk::FlowView ViewOf(int view) {
  return view == 1 ? jouk::FlowView::kTunnel : jouk::FlowView::kMain;
}

jouk::FieldPictureSetup FactsOf(double t, int cp, int view) {
  return {.t = t, .cp = cp != 0, .view = ViewOf(view)};
}

}  // namespace

extern "C" {

// The flow field window's texts, the plot menu's two items and the readout's words, as JSON.
EMSCRIPTEN_KEEPALIVE const char* jouk_field_tables_json() {
  static const std::string json = jouk::web::FieldTablesJson();
  return json.c_str();
}

// Sets the readout's word of message id to text (the page's language); 0 for another id.
EMSCRIPTEN_KEEPALIVE int jouk_set_readout_word(int id, const char* text) {
  if (text == nullptr) return 0;
  return Words().Set(static_cast<jouk::MessageId>(id), text) ? 1 : 0;
}

// The readout at the position (u, v) of a picture width × height of the flow shown, at stage t
// of the map in view (0 the main picture, 1 the free stream horizontal), as JSON.
EMSCRIPTEN_KEEPALIVE const char* jouk_readout_json(WebSession* s, double u, double v, int width,
                                                   int height, double t, int view) {
  s->answer = jouk::web::ReadoutJson(*s, {u, v, width, height, t, ViewOf(view)}, Words());
  return s->answer.c_str();
}

// Shows the plot in view (0 the main picture, 1 the free stream horizontal).
EMSCRIPTEN_KEEPALIVE void jouk_set_view(WebSession* s, int view) {
  jouk::web::ShowView(*s, ViewOf(view));
}

// The stage Play shows `seconds` after it started from stage t0.
EMSCRIPTEN_KEEPALIVE double jouk_played_stage(double seconds, double t0) {
  return jouk::PlayedStage(seconds, t0);
}

// The panel's picture of width × height device pixels with a pen penWidth pixels wide; null
// outside the session's limits.
EMSCRIPTEN_KEEPALIVE WebField* jouk_field_create(int width, int height, int penWidth) {
  if (!jouk::web::PictureSizeAllowed(width, height, penWidth)) return nullptr;
  auto* f = new (std::nothrow) WebField(width, height, penWidth);
  if (f != nullptr && f->picture->empty()) {
    delete f;
    return nullptr;
  }
  return f;
}

EMSCRIPTEN_KEEPALIVE void jouk_field_destroy(WebField* f) {
  delete f;
}

// Draws the field picture of the flow shown at stage t, with the pressure colours (cp 1) in
// view; 1 when there was a flow to draw, 0 for the plot's ground alone.
EMSCRIPTEN_KEEPALIVE int jouk_field_draw(WebField* f, WebSession* s, double t, int cp, int view) {
  return jouk::web::DrawField(*f, *s, FactsOf(t, cp, view)) ? 1 : 0;
}

// The panel's picture as R, G, B, A bytes, valid until the next call.
EMSCRIPTEN_KEEPALIVE const unsigned char* jouk_field_rgba(WebField* f) {
  return jouk::web::RgbaPixels(f->picture->pixels(), f->rgba);
}

EMSCRIPTEN_KEEPALIVE int jouk_field_width(WebField* f) {
  return f->picture->raster().width();
}

EMSCRIPTEN_KEEPALIVE int jouk_field_height(WebField* f) {
  return f->picture->raster().height();
}

// Makes the panel's file (0 SVG, 1 PNG's pixels) for stage t, cp and view: its length, or 0
// when there is none; the bytes are at jouk_field_answer until the next call.
EMSCRIPTEN_KEEPALIVE int jouk_field_save(WebField* f, WebSession* s, double t, int cp, int view,
                                         int kind) {
  if (kind < 0 || kind > 1) return 0;
  const bool made = jouk::web::SaveField(*f, *s, FactsOf(t, cp, view), kind == 1);
  return made ? static_cast<int>(f->answer.size()) : 0;
}

EMSCRIPTEN_KEEPALIVE const char* jouk_field_answer(WebField* f) {
  return f->answer.data();
}

}  // extern "C"
