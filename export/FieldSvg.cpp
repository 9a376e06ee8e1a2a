// The flow field picture as SVG (declared in export/PictureFiles.hpp).
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "export/PictureFiles.hpp"
#include "export/SvgText.hpp"
#include "model/FieldPicture.hpp"
#include "model/FlowPicture.hpp"
#include "model/MathConstants.hpp"

namespace jouk {

namespace {

// The path data through points given as complex numbers.
std::string ComplexPath(const std::vector<Complex>& points, const DeviceMap& map) {
  std::vector<double> x, y;
  for (const Complex p : points) {
    x.push_back(p.real());
    y.push_back(p.imag());
  }
  return PathData(x.data(), y.data(), static_cast<int>(points.size()), map);
}

// cp rounded to 1/16 of the scale's half range, so that neighbouring cells share colours.
double QuantisedCp(double cp, double limit) {
  const double steps = std::clamp(cp / limit, -1.0, 1.0) * 16;
  return std::round(steps) / 16 * limit;
}

// The pressure colours as cells of kFieldSvgCell pixels, a row's equal neighbours in one rect.
void AppendCpCells(std::string& svg, const FieldScene& scene, const FieldPictureSetup& setup,
                   double limit, int width, int height) {
  const WorldWindow& w = scene.window;
  for (int y = 0; y < height; y += kFieldSvgCell) {
    int runStart = 0;
    std::optional<Rgb> run;
    for (int x = 0; x <= width; x += kFieldSvgCell) {
      std::optional<Rgb> color;
      double cp = 0;
      const Complex Q(w.x1 + (w.x2 - w.x1) * (x + 0.5 * kFieldSvgCell) / width,
                      w.y1 + (w.y2 - w.y1) * (y + 0.5 * kFieldSvgCell) / height);
      if (x < width && FieldCpAt(scene, setup, Q, cp))
        color = CpColor(QuantisedCp(cp, limit), limit);
      if (color == run) continue;
      if (run) {
        svg += "<rect x=\"" + std::to_string(runStart) + "\" y=\"" + std::to_string(y) +
               "\" width=\"" + std::to_string(x - runStart) + "\" height=\"" +
               std::to_string(kFieldSvgCell) + "\" fill=\"" + HexColor(*run) + "\"/>\n";
      }
      run = color;
      runStart = x;
    }
  }
}

// The marks: a cross at the centre, squares at ±b, diamonds at the stagnation points.
void AppendMarks(std::string& svg, const FieldScene& scene, const DeviceMap& map, double h) {
  const Complex c = scene.centre;
  AppendPath(svg, "centre",
             ComplexPath({c - Complex(h, h), c + Complex(h, h)}, map) + " " +
                 ComplexPath({c - Complex(h, -h), c + Complex(h, -h)}, map),
             kCentreMarkColor);
  const auto outline = [&](Complex p, double r, double turn) {
    std::vector<Complex> points;
    for (int k = 0; k <= 4; ++k) points.push_back(p + std::polar(r, kPi / 2 * k + turn));
    return ComplexPath(points, map);
  };
  const double square = 0.75 * h * std::sqrt(2.0);
  AppendPath(svg, "singular-points",
             outline(scene.singular[0], square, kPi / 4) + " " +
                 outline(scene.singular[1], square, kPi / 4),
             kSingularMarkColor);
  AppendPath(svg, "stagnation-points",
             outline(scene.stagnation[0], h, 0) + " " + outline(scene.stagnation[1], h, 0),
             kStagnationMarkColor);
}

// The colour bar at the right edge, as the raster draws it: a gradient from +limit at the top to
// −limit, its numbers and "Cp".
void AppendColourBar(std::string& svg, double limit, int width, int height) {
  const int top = height / 5;
  const int rows = height - 2 * top;
  const int strip = width - 58;
  svg += "<linearGradient id=\"cp-scale\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n";
  for (int k = 0; k <= 4; ++k) {
    svg += "<stop offset=\"" + std::to_string(k * 25) + "%\" stop-color=\"" +
           HexColor(CpColor(limit * (1 - k / 2.0), limit)) + "\"/>\n";
  }
  svg += "</linearGradient>\n";
  svg += "<rect x=\"" + std::to_string(strip - 4) + "\" y=\"" + std::to_string(top - 14) +
         "\" width=\"58\" height=\"" + std::to_string(rows + 22) + "\" fill=\"" +
         HexColor(kPlotBackground) + "\"/>\n";
  svg += "<rect id=\"colour-bar\" x=\"" + std::to_string(strip) + "\" y=\"" + std::to_string(top) +
         "\" width=\"10\" height=\"" + std::to_string(rows) + "\" fill=\"url(#cp-scale)\"/>\n";
  const std::string text = "<text font-family=\"sans-serif\" font-size=\"9\" fill=\"" +
                           HexColor(kStreamlineColor) + "\" x=\"";
  svg += text + std::to_string(strip) + "\" y=\"" + std::to_string(top - 4) + "\">Cp</text>\n";
  const std::vector<BarTick> ticks = CpBarTicks(limit);
  for (std::size_t k = 0; k < ticks.size(); ++k) {
    const long y = top + std::lround(rows * k / (ticks.size() - 1.0));
    svg += text + std::to_string(strip + 15) + "\" y=\"" + std::to_string(y + 3) + "\">" +
           XmlEscaped(ticks[k].text) + "</text>\n";
  }
}

}  // namespace

bool FieldSvg(const FlowState& st, const FieldPictureSetup& setup, int width, int height,
              std::string_view description, std::string& svg, MessageId& reason) {
  FieldScene scene;
  if (!MakeFieldScene(st, setup, scene, reason)) return false;
  const DeviceMap map(scene.window, width, height);
  svg = SvgOpening(width, height, "Flow field around Joukowsky airfoil", description);
  const double limit = setup.cp ? SceneCpLimit(scene, setup) : 1;
  if (setup.cp) AppendCpCells(svg, scene, setup, limit, width, height);
  AppendPath(svg, "circle-b", ComplexPath(scene.singularCircle, map), kSingularMarkColor);
  for (std::size_t k = 1; k < scene.streamlines.size(); ++k) {
    if (scene.streamlines[k].size() < 2) continue;
    AppendPath(svg, "streamline-" + std::to_string(k), ComplexPath(scene.streamlines[k], map),
               kStreamlineColor);
  }
  if (!scene.streamlines.empty() && scene.streamlines[0].size() >= 2) {
    AppendPath(svg, "contour", ComplexPath(scene.streamlines[0], map), kContourColor);
  }
  AppendMarks(svg, scene, map, 4.0 * (scene.window.x2 - scene.window.x1) / width);
  if (setup.cp) AppendColourBar(svg, limit, width, height);
  svg += "</svg>\n";
  return true;
}

}  // namespace jouk
