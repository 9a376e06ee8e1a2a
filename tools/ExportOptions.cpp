#include "tools/ExportOptions.hpp"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

#include "export/FlowCsv.hpp"
#include "export/GifEncoder.hpp"
#include "model/NumberText.hpp"

namespace jouk {

namespace {

struct FormatName {
  const char* name;
  ExportFormat format;
};

constexpr FormatName kFormats[] = {
    {"csv", ExportFormat::kCsv},         {"svg", ExportFormat::kSvg},
    {"png", ExportFormat::kPng},         {"gif", ExportFormat::kGif},
    {"summary", ExportFormat::kSummary}, {"surface", ExportFormat::kSurface},
    {"probe", ExportFormat::kProbe},     {"field", ExportFormat::kField}};

// Whether name ends in the ending, in any case.
bool EndsIn(const std::string& name, std::string_view ending) {
  if (name.size() <= ending.size()) return false;
  for (std::size_t k = 0; k < ending.size(); ++k) {
    const char c = name[name.size() - ending.size() + k];
    if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != ending[k]) return false;
  }
  return true;
}

bool IsPngName(const std::string& name) {
  return EndsIn(name, ".png");
}

// "csv, svg, png, gif, summary, surface, probe or field".
std::string FormatList() {
  std::string list;
  const std::size_t n = std::size(kFormats);
  for (std::size_t k = 0; k < n; ++k) {
    list += kFormats[k].name;
    if (k + 2 < n) list += ", ";
    if (k + 2 == n) list += " or ";
  }
  return list;
}

// The time of one animation tick as text ("0.1").
std::string TickTime() {
  return NumberToText(1.0 / kTicksPerTimeUnit);
}

// The pictures' ratio of width to height as text ("3:2").
std::string AspectText() {
  return std::to_string(kAspectWidth) + ":" + std::to_string(kAspectHeight);
}

// A whole decimal number of at most five digits without sign or leading zero, else -1.
int PixelCount(std::string_view text) {
  if (text.empty() || text.size() > 5 || text[0] == '0') return -1;
  int n = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

bool ParseSize(const std::string& value, ExportOptions& out, std::string& error) {
  const std::size_t x = value.find_first_of("xX");
  const int w = x == std::string::npos ? -1 : PixelCount(std::string_view(value).substr(0, x));
  const int h = x == std::string::npos ? -1 : PixelCount(std::string_view(value).substr(x + 1));
  if (w < 0 || h < 0) {
    error = "--size takes WIDTHxHEIGHT in pixels, such as 900x600, not '" + ShownText(value) + "'.";
    return false;
  }
  if (kAspectHeight * w != kAspectWidth * h) {
    error = "--size " + ShownText(value) + " is not in the plot's " + AspectText() +
            " ratio of width to height (such as 600x400 or 900x600).";
    return false;
  }
  if (w > kMaxPictureWidth) {
    error = "--size " + ShownText(value) + " is too large; the largest is " +
            std::to_string(kMaxPictureWidth) + "x" + std::to_string(kMaxPictureHeight) + ".";
    return false;
  }
  out.width = w;
  out.height = h;
  out.sizeGiven = true;
  return true;
}

// The time is counted in animation ticks: the picture is the window's after that many ticks, so
// only whole multiples of one tick's time exist.
bool ParseTime(const std::string& value, ExportOptions& out, std::string& error) {
  double t = 0;
  const char* const end = value.data() + value.size();
  const auto [ptr, ec] = std::from_chars(value.data(), end, t);
  const double steps = t * kTicksPerTimeUnit;
  const double whole = std::round(steps);
  if (ec != std::errc() || ptr != end || !std::isfinite(t) || t < 0 || whole > kMaxTicks ||
      std::fabs(steps - whole) > 1e-6) {
    error = "--time takes a multiple of " + TickTime() + " (one animation step) from 0 to " +
            std::to_string(kMaxTicks / kTicksPerTimeUnit) + ", not '" + ShownText(value) + "'.";
    return false;
  }
  out.ticks = static_cast<int>(whole);
  out.timeGiven = true;
  return true;
}

bool ParseFormat(const std::string& value, ExportOptions& out, std::string& error) {
  for (const FormatName& f : kFormats) {
    if (value == f.name) {
      out.format = f.format;
      return true;
    }
  }
  error = "--format takes " + FormatList() + ", not '" + ShownText(value) + "'.";
  return false;
}

// A whole number from lowest to highest, written as plain digits; false with a message.
bool ParseCount(const char* option, const std::string& value, int lowest, int highest, int& n,
                std::string& error) {
  const char* const end = value.data() + value.size();
  const auto [ptr, ec] = std::from_chars(value.data(), end, n);
  if (ec != std::errc() || ptr != end || value.empty() || value[0] == '-' || n < lowest ||
      n > highest) {
    error = std::string(option) + " takes a whole number from " + std::to_string(lowest) + " to " +
            std::to_string(highest) + ", not '" + ShownText(value) + "'.";
    return false;
  }
  return true;
}

bool ParsePoints(const std::string& value, ExportOptions& out, std::string& error) {
  out.pointsGiven = true;
  return ParseCount("--points", value, kMinSurfacePoints, kMaxSurfacePoints, out.points, error);
}

bool ParseFrames(const std::string& value, ExportOptions& out, std::string& error) {
  out.framesGiven = true;
  return ParseCount("--frames", value, kMinFrames, kMaxFrames, out.frames, error);
}

bool ParsePen(const std::string& value, ExportOptions& out, std::string& error) {
  out.penGiven = true;
  return ParseCount("--pen", value, kMinPen, kMaxPen, out.pen, error);
}

// A finite number written whole, as from_chars reads it; false otherwise.
bool WholeNumber(std::string_view text, double& v) {
  const char* const end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, v);
  return ec == std::errc() && ptr == end && !text.empty() && std::isfinite(v);
}

bool ParseAt(const std::string& value, ExportOptions& out, std::string& error) {
  const std::size_t comma = value.find(',');
  double x = 0;
  double y = 0;
  if (comma == std::string::npos || !WholeNumber(std::string_view(value).substr(0, comma), x) ||
      !WholeNumber(std::string_view(value).substr(comma + 1), y)) {
    error = "--at takes X,Y, two numbers such as 0.5,-0.25, not '" + ShownText(value) + "'.";
    return false;
  }
  out.at.emplace_back(x, y);
  return true;
}

bool ParseMap(const std::string& value, ExportOptions& out, std::string& error) {
  double t = 0;
  if (!WholeNumber(value, t) || t < 0 || t > 1) {
    error = "--map takes a number from 0 (the circle plane) to 1 (the section), not '" +
            ShownText(value) + "'.";
    return false;
  }
  out.map = t;
  out.mapGiven = true;
  return true;
}

bool ParseView(const std::string& value, ExportOptions& out, std::string& error) {
  if (value != "main" && value != "tunnel") {
    error = "--view takes main or tunnel, not '" + ShownText(value) + "'.";
    return false;
  }
  out.view = value == "main" ? FlowView::kMain : FlowView::kTunnel;
  out.viewGiven = true;
  return true;
}

bool ParseOutput(const std::string& value, ExportOptions& out, std::string& error) {
  if (value.empty()) {
    error = "--output needs a file name.";
    return false;
  }
  out.output = value == "-" ? std::string() : value;
  return true;
}

// An option other than the eight parameters: a flag, or one that takes a value.
struct OptionRule {
  const char* name;
  bool ExportOptions::*flag;  // set by a flag; null for an option with a value
  bool (*parse)(const std::string& value, ExportOptions& out, std::string& error);
};

constexpr OptionRule kOptions[] = {
    {"--help", &ExportOptions::help, nullptr},
    {"-h", &ExportOptions::help, nullptr},
    {"--version", &ExportOptions::version, nullptr},
    {"--table", &ExportOptions::table, nullptr},
    {"--format", nullptr, ParseFormat},
    {"--size", nullptr, ParseSize},
    {"--time", nullptr, ParseTime},
    {"--output", nullptr, ParseOutput},
    {"--points", nullptr, ParsePoints},
    {"--frames", nullptr, ParseFrames},
    {"--pen", nullptr, ParsePen},
    {"--view", nullptr, ParseView},
    {"--at", nullptr, ParseAt},
    {"--map", nullptr, ParseMap},
    {"--cp", &ExportOptions::cp, nullptr},
};

const OptionRule* OptionNamed(std::string_view name) {
  for (const OptionRule& o : kOptions) {
    if (name == o.name) return &o;
  }
  return nullptr;
}

// The rules of the probe, the field picture and the view.
bool CheckFieldAndProbe(const ExportOptions& out, std::string& error) {
  const bool probe = out.format == ExportFormat::kProbe;
  const bool field = out.format == ExportFormat::kField;
  if (probe && out.at.empty()) {
    error = "--format probe needs at least one --at X,Y.";
  } else if (!probe && !out.at.empty()) {
    error = "--at applies to the probe only (--format probe).";
  } else if (!field && (out.mapGiven || out.cp)) {
    error = std::string(out.mapGiven ? "--map" : "--cp") +
            " applies to the field picture only (--format field).";
  } else if (field && (out.output.empty() || !(IsSvgName(out.output) || IsPngName(out.output)))) {
    error = "--format field writes F.png or F.svg: give --output with one of those endings.";
  } else if (out.viewGiven && !TakesView(out.format)) {
    error = "--view applies to csv, svg, png, gif, probe and field.";
  } else {
    return true;
  }
  return false;
}

// The rules between options, checked once all are read.
bool CheckCombination(const ExportOptions& out, std::string& error) {
  if (out.help || out.version) return true;
  if (out.table && out.format != ExportFormat::kCsv) {
    error = "--table prints the section table as CSV; it takes no other --format.";
    return false;
  }
  if (!CheckFieldAndProbe(out, error)) return false;
  if ((out.timeGiven || (out.sizeGiven && out.format != ExportFormat::kField)) &&
      !IsPicture(out.format)) {
    error = std::string(out.sizeGiven ? "--size" : "--time") +
            " applies to pictures only (--format svg, png or gif).";
    return false;
  }
  if (out.framesGiven && out.format != ExportFormat::kGif) {
    error = "--frames applies to the animation only (--format gif).";
    return false;
  }
  if (out.penGiven && !IsBinary(out.format)) {
    error = "--pen applies to the raster pictures only (--format png or gif).";
    return false;
  }
  if (out.pointsGiven && out.format != ExportFormat::kSurface) {
    error = "--points applies to the surface table only (--format surface).";
    return false;
  }
  return true;
}

}  // namespace

bool IsSvgName(const std::string& name) {
  return EndsIn(name, ".svg");
}

bool ParseExportOptions(const std::vector<std::string>& args, ExportOptions& out,
                        std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    // --name VALUE or --name=VALUE.
    const std::size_t eq = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
    const std::string name = arg.substr(0, eq);
    const bool inlineValue = eq != std::string::npos;
    const OptionRule* option = OptionNamed(name);
    const ParameterFacts* parameter = ParameterByOption(name);
    if (option == nullptr && parameter == nullptr) {
      error = "unknown option " + ShownText(arg) + " (see --help).";
      return false;
    }
    if (option != nullptr && option->flag != nullptr) {
      if (inlineValue) {
        error = name + " takes no value.";
        return false;
      }
      out.*(option->flag) = true;
      continue;
    }
    std::string value;
    if (inlineValue) {
      value = arg.substr(eq + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      error = name + " needs a value.";
      return false;
    }
    if (parameter != nullptr) {
      out.texts.*(parameter->text) = value;  // verbatim, as a text box would hold it
    } else if (!option->parse(value, out, error)) {
      return false;
    }
  }
  return CheckCombination(out, error);
}

namespace {

// The help's opening and its lines on the eight parameters, each with its default.
std::string UsageOfParameters() {
  std::string usage = R"(Usage: joukowsky-export [OPTIONS]

Computes the streamlines of potential flow around a Joukowsky airfoil, exactly as the
window does after START, and prints them, or draws the window's picture, without
opening any window.

Each parameter takes its text as the window's text box would hold it; the text is read
the same way (leading number, '.' as the decimal point; "abc" reads as 0).
)";
  for (const ParameterFacts& p : kParameters) {
    std::string line = "  " + std::string(p.option) + " TEXT";
    line.resize(17, ' ');
    line += OptionHelp(p);
    line.resize(72, ' ');
    usage += line + "(default " + p.startText + ")\n";
  }
  return usage +
         R"(  Each option also takes the form --name=VALUE. A thickness and camber pair off the
  table's grid finds no section; the computation then uses the section of thickness
  and camber 0, a flat plate.
)";
}

// The help on --format csv, svg, png and gif.
std::string UsageOfPictures() {
  const std::string tick = TickTime();
  return R"(
Output:
  --format csv   (default) CSV, header "streamline,point,x,y": every point 1..n of
                 every streamline 0..nSL (0 is the section contour), in the airfoil
                 plane turned by the angle of attack, )" +
         std::to_string(kCsvDigits) + R"( significant digits.
  --format svg   the window's picture as SVG: a dark grey background, the contour
                 in red and every streamline as its two light-grey rippled lines,
                 as paths in the picture's pixel coordinates.
  --format png   the window's picture as PNG: pixel for pixel what the window shows
                 after START and the ticks up to --time (the erasing of each tick
                 included).
  --format gif   the window's animation as a GIF that loops forever: --frames
                 frames (default )" +
         std::to_string(ExportOptions().frames) +
         R"(, one period of the waves, a seamless loop),
                 frame k being exactly the PNG at --time plus (k - 1) x )" +
         tick + R"(, each
                 shown )" +
         std::to_string(kGifDelayCs) + R"(/100 s (the shortest delay browsers honour; half the
                 window's pace).
  --frames N     frames of the GIF, )" +
         std::to_string(kMinFrames) + " to " + std::to_string(kMaxFrames) + R"(.
  --pen N        the pen of the PNG and GIF pictures, N pixels wide, )" +
         std::to_string(kMinPen) + " to " + std::to_string(kMaxPen) + R"(
                 (default )" +
         std::to_string(ExportOptions().pen) + R"(): each pixel of a line sets the N x N square
                 right of and below it, the erasing too, so that a large picture
                 stays legible.
)";
}

// The help on the probe, the field picture and the view.
std::string UsageOfTheField() {
  return R"(  --format probe the flow at the points given by --at, CSV "x,y,inside,speed,cp,psi",
                 one row per point in the order given: inside 1 for a point inside
                 the section (its last three fields empty), else 0 with the speed
                 over the free-stream speed, the pressure coefficient and the stream
                 function, )" +
         std::to_string(kCsvDigits) + R"( significant digits; at a sharp edge where the
                 speed is unbounded, speed inf and cp -inf.
  --format field the flow field picture: the streamlines at a stage of the conformal
                 map from the circle plane to the section, with the circle's centre,
                 the map's singular points, the stagnation points and the circle
                 through the trailing edge marked; PNG or SVG after --output's ending,
                 of --size.
  --at X,Y       a point of the probe, in the picture's plane (of --view); repeat
                 it for more points.
  --map T        the stage of the field picture's map, T from 0 (the circle plane)
                 to 1 (the section; the default).
  --cp           the field picture with the pressure coefficient as colours (blue
                 below 0, orange above) and a colour bar.
  --view V       main (default): as the window draws the flow, the free stream
                 inclined by twice the angle of attack; tunnel: the same flow turned
                 so that the free stream runs horizontally from right to left, the
                 section pitched nose-up, the ripples travelling downstream. For csv,
                 svg, png, gif, probe and field.
)";
}

// The help on the lift formats.
std::string UsageOfTheLift() {
  return R"(  --format summary
                 CSV "quantity,value": circulation, lift_coefficient (Kutta-Joukowski,
                 2 circulation / chord), lift_coefficient_from_pressure (the surface
                 pressure integrated across the free stream), chord, and the front and
                 rear stagnation points (x, y) in the turned airfoil plane.
  --format surface
                 CSV "point,x,y,speed,cp": the surface from the trailing edge over the
                 upper surface to the leading edge and back along the lower surface,
                 with the speed over the free-stream speed and the pressure coefficient
                 1 - speed^2. A point where the speed is unbounded (the trailing edge
                 with a Kutta condition other than 1) has no row; a note says so.
)";
}

// The help on the options that shape any output, and the exit status.
std::string UsageOfTheOptions() {
  const ExportOptions defaults;
  const std::string tick = TickTime();
  return R"(  --points N     samples of the surface table, )" + std::to_string(kMinSurfacePoints) +
         " to " + std::to_string(kMaxSurfacePoints) + " (default " +
         std::to_string(kDefaultSurfacePoints) + R"().
  --time T       the moment of the picture: T / )" +
         tick + R"( animation ticks after START,
                 T a multiple of )" +
         tick + " from 0 to " + std::to_string(kMaxTicks / kTicksPerTimeUnit) + " (default " +
         NumberToText(defaults.ticks / static_cast<double>(kTicksPerTimeUnit)) +
         R"(, the first frame;
                 0 shows the contour alone).
  --size WxH     picture size in pixels, )" +
         AspectText() + R"( like the window's plot, up to
                 )" +
         std::to_string(kMaxPictureWidth) + "x" + std::to_string(kMaxPictureHeight) + " (default " +
         std::to_string(defaults.width) + "x" + std::to_string(defaults.height) +
         R"().
  --output FILE  write to FILE instead of standard output ('-' is standard output).
                 PNG and GIF go to standard output only when that is not a terminal.
  --table        the section table instead, header "row,delta,gamma,eps,mu".
  --help         this text.
  --version      the program's version.

Exit status: )" +
         std::to_string(kExitWritten) + " on success; " + std::to_string(kExitNotWritten) +
         " when the output cannot be written; " + std::to_string(kExitRejected) +
         R"( when an option or
a parameter is rejected (the reason goes to standard error, on one line).
)";
}

}  // namespace

std::string ExportUsage() {
  return UsageOfParameters() + UsageOfPictures() + UsageOfTheLift() + UsageOfTheField() +
         UsageOfTheOptions();
}

}  // namespace jouk
