// Pieces of the SVG files the program writes: numbers to 1/10000 of a pixel, path data through
// the raster's device map, colours, escaped text, paths and the file's opening.
#pragma once

#include <string>
#include <string_view>

#include "model/Raster.hpp"

namespace jouk {

// A coordinate to 1/10000 of a pixel, without trailing zeros.
void AppendNumber(std::string& out, double value);

// The path data through points (x[k], y[k]), k = 0..count − 1, with a line break after every
// few points; a point that is not finite on the device ends the subpath.
std::string PathData(const double* x, const double* y, int count, const DeviceMap& map);

// "#rrggbb".
std::string HexColor(Rgb color);

// Text for XML character data and attributes: markup characters as entities, anything outside
// printable ASCII as '?'.
std::string XmlEscaped(std::string_view text);

// A path of the given id, data and stroke colour, one pixel wide.
void AppendPath(std::string& svg, const std::string& id, const std::string& d, Rgb color);

// The SVG's opening up to and with the ground: the element, its title and description, and the
// background rectangle.
std::string SvgOpening(int width, int height, std::string_view title, std::string_view description);

}  // namespace jouk
