// The flow at the pointer and the flow field picture, for the page: the readout of the plot's
// tooltip and of the flow field panel (model/FieldReadout) in the page's words, and the panel's
// picture (model/FieldPicture) at the screen's device pixels, with its files as the exporter's
// --format field writes them. Everything is computed from the store of the session's last
// accepted recompute, so a rejected recompute leaves both as they were.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/FieldPicture.hpp"
#include "model/FieldReadout.hpp"
#include "model/Raster.hpp"
#include "web/WebSession.hpp"

namespace jouk::web {

// The readout's words (MessageId::kReadoutX … kReadoutUnbounded) in the page's language; the
// English ones until the page sets them.
struct ReadoutWordTable {
  std::vector<std::string> words;
  // The English words.
  ReadoutWordTable();
  // Sets the word of id; false for an id that is not a readout word.
  bool Set(MessageId id, std::string text);
  // The words as model/FieldReadout takes them; valid while the table lives.
  ReadoutWords Lookup() const;
};

// Where the pointer is: the position (u, v) on a picture of width × height (CSS pixels, (0, 0) its
// upper-left corner) of the world window of the session's flow, at stage t in the view.
struct PointerAt {
  double u, v;
  int width, height;
  double t;
  FlowView view;
};

// {"ok": false} before the first accepted recompute (or outside the picture's limits); else
// {"ok": true, "x", "y" (the world point), "inside", "bounded", "speed", "cp", "psi" (null
// inside the section or where unbounded), "other": [u, v] (the other plane's point on the same
// picture), "text": the readout's text}.
std::string ReadoutJson(const WebSession& s, const PointerAt& at, const ReadoutWordTable& words);

// The panel's picture: width × height device pixels drawn with a pen `pen` pixels wide.
struct WebField {
  // A picture of the plot's ground (no pixels when they cannot be allocated).
  WebField(int width, int height, int pen);
  std::unique_ptr<RasterImage> picture;  // never null
  int pen;
  std::vector<std::uint8_t> rgba;  // its pixels as the canvas takes them
  std::string answer;              // the last file handed to the page
};

// Draws the field picture of the session's flow as setup asks; without a flow the plot's ground
// alone. False when there was no flow to draw.
bool DrawField(WebField& f, const WebSession& s, const FieldPictureSetup& setup);

// Makes the panel's file into f.answer at the plot's logical size, as joukowsky-export --format
// field writes it for the texts shown: SVG, or (png) the R, G, B, A pixels of its PNG. False,
// with f.answer empty, before the first accepted recompute.
bool SaveField(WebField& f, const WebSession& s, const FieldPictureSetup& setup, bool png);

// The texts of the flow field window and of the plot menu's two items, Play's period and the
// readout words' contexts and English texts, as JSON for the page.
std::string FieldTablesJson();

}  // namespace jouk::web
