#include "export/SvgText.hpp"

#include <cmath>
#include <cstdio>

#include "model/DecimalText.hpp"
#include "model/FlowPicture.hpp"
#include "model/ShownText.hpp"

namespace jouk {

// A coordinate to 1/10000 of a pixel, without trailing zeros.
void AppendNumber(std::string& out, double value) {
  std::string text = FixedDecimals(value, 4);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  out += text == "-0" ? "0" : text;
}

// The path data through points (x[k], y[k]), k = 0..count − 1, with a line break after every
// few points.
std::string PathData(const double* x, const double* y, int count, const DeviceMap& map) {
  std::string d;
  bool penDown = false;
  int onLine = 0;
  for (int k = 0; k < count; ++k) {
    const DevicePoint p = map.ToDevice(x[k], y[k]);
    if (!std::isfinite(p.u) || !std::isfinite(p.v)) {  // nothing is drawn there
      penDown = false;
      continue;
    }
    if (onLine == 8) {
      d += '\n';
      onLine = 0;
    } else if (!d.empty()) {
      d += ' ';
    }
    d += penDown ? 'L' : 'M';
    AppendNumber(d, p.u);
    d += ' ';
    AppendNumber(d, p.v);
    penDown = true;
    ++onLine;
  }
  return d;
}

std::string HexColor(Rgb color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(color & 0xffffffu));
  return text;
}

// Text for XML character data and attributes: markup characters as entities, anything outside
// printable ASCII as '?'.
std::string XmlEscaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '"') {
      out += "&quot;";
    } else if (IsControlCharacter(c) || u >= 0x80) {
      out += '?';
    } else {
      out += c;
    }
  }
  return out;
}

void AppendPath(std::string& svg, const std::string& id, const std::string& d, Rgb color) {
  svg += "<path id=\"" + id + "\" fill=\"none\" stroke=\"" + HexColor(color) +
         "\" stroke-width=\"1\" stroke-linejoin=\"round\" stroke-linecap=\"round\"\n d=\"" + d +
         "\"/>\n";
}

// The SVG's opening up to and with the ground: the element, its title and description, and the
// background rectangle.
std::string SvgOpening(int width, int height, std::string_view title,
                       std::string_view description) {
  const std::string w = std::to_string(width);
  const std::string h = std::to_string(height);
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
      w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
  svg += "<title>" + std::string(title) + "</title>\n";
  svg += "<desc>" + XmlEscaped(description) + "</desc>\n";
  svg += "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\"" +
         HexColor(kPlotBackground) + "\"/>\n";
  return svg;
}

}  // namespace jouk
