#include "ExportOptions.hpp"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace jouk {

namespace {

struct TextOption {
  const char* name;
  std::string ParameterTexts::*field;
};

constexpr TextOption kTextOptions[] = {
    {"--delta", &ParameterTexts::Delta}, {"--gamma", &ParameterTexts::Gama},
    {"--alpha", &ParameterTexts::Alfa},  {"--kutta", &ParameterTexts::iKutta},
    {"--scale", &ParameterTexts::Olcek}, {"--dpsi", &ParameterTexts::dPsi},
    {"--nsl", &ParameterTexts::kMax},    {"--dr", &ParameterTexts::dR},
};

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
  if (2 * w != 3 * h) {
    error = "--size " + ShownText(value) +
            " is not in the plot's 3:2 ratio of width to height (such as 600x400 or 900x600).";
    return false;
  }
  if (w > kMaxPictureWidth) {
    error = "--size " + ShownText(value) + " is too large; the largest is " +
            std::to_string(kMaxPictureWidth) + "x" + std::to_string(kMaxPictureWidth / 3 * 2) + ".";
    return false;
  }
  out.width = w;
  out.height = h;
  return true;
}

// The time is counted in animation steps of 0.1: the picture is the window's after that many
// ticks, so only whole multiples of 0.1 exist.
bool ParseTime(const std::string& value, ExportOptions& out, std::string& error) {
  double t = 0;
  const char* const end = value.data() + value.size();
  const auto [ptr, ec] = std::from_chars(value.data(), end, t);
  const double steps = t * 10;
  const double whole = std::round(steps);
  if (ec != std::errc() || ptr != end || !std::isfinite(t) || t < 0 || whole > kMaxTicks ||
      std::fabs(steps - whole) > 1e-6) {
    error = "--time takes a multiple of 0.1 (one animation step) from 0 to " +
            std::to_string(kMaxTicks / 10) + ", not '" + ShownText(value) + "'.";
    return false;
  }
  out.ticks = static_cast<int>(whole);
  return true;
}

bool ParseFormat(const std::string& value, ExportOptions& out, std::string& error) {
  if (value == "csv") {
    out.format = ExportFormat::kCsv;
  } else if (value == "svg") {
    out.format = ExportFormat::kSvg;
  } else if (value == "png") {
    out.format = ExportFormat::kPng;
  } else {
    error = "--format takes csv, svg or png, not '" + ShownText(value) + "'.";
    return false;
  }
  return true;
}

}  // namespace

std::string ShownText(std::string_view text, std::size_t longest) {
  std::string shown;
  for (const char c : text.substr(0, longest)) {
    const auto u = static_cast<unsigned char>(c);
    shown += (u < 0x20 || u == 0x7f) ? '?' : c;
  }
  if (text.size() > longest) shown += "...";
  return shown;
}

bool ParseExportOptions(const std::vector<std::string>& args, ExportOptions& out,
                        std::string& error) {
  bool sizeGiven = false;
  bool timeGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    // --name VALUE or --name=VALUE.
    const std::size_t eq = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
    const std::string name = arg.substr(0, eq);
    const bool inlineValue = eq != std::string::npos;

    if (name == "--help" || name == "-h" || name == "--version" || name == "--table") {
      if (inlineValue) {
        error = name + " takes no value.";
        return false;
      }
      bool& flag = name == "--table" ? out.table : name == "--version" ? out.version : out.help;
      flag = true;
      continue;
    }

    const TextOption* text = nullptr;
    for (const TextOption& opt : kTextOptions) {
      if (name == opt.name) text = &opt;
    }
    const bool known = text != nullptr || name == "--format" || name == "--size" ||
                       name == "--time" || name == "--output";
    if (!known) {
      error = "unknown option " + ShownText(arg) + " (see --help).";
      return false;
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

    if (text != nullptr) {
      out.texts.*(text->field) = value;
    } else if (name == "--format") {
      if (!ParseFormat(value, out, error)) return false;
    } else if (name == "--size") {
      if (!ParseSize(value, out, error)) return false;
      sizeGiven = true;
    } else if (name == "--time") {
      if (!ParseTime(value, out, error)) return false;
      timeGiven = true;
    } else {
      if (value.empty()) {
        error = "--output needs a file name.";
        return false;
      }
      out.output = value == "-" ? std::string() : value;
    }
  }
  if (out.help || out.version) return true;
  if (out.table && out.format != ExportFormat::kCsv) {
    error = "--table prints the section table as CSV; it takes no --format svg or png.";
    return false;
  }
  if ((sizeGiven || timeGiven) && out.format == ExportFormat::kCsv) {
    error = std::string(sizeGiven ? "--size" : "--time") +
            " applies to pictures only (--format svg or png).";
    return false;
  }
  return true;
}

std::string ExportUsage() {
  return R"(Usage: joukowsky-export [OPTIONS]

Computes the streamlines of potential flow around a Joukowsky airfoil, exactly as the
window does after START, and prints them, or draws the window's picture, without
opening any window.

Each parameter takes its text as the window's text box would hold it; the text is read
the same way (leading number, '.' as the decimal point; "abc" reads as 0).
  --delta TEXT   relative thickness, a multiple of 0.01 from 0 to 0.3   (default 0.12)
  --gamma TEXT   relative camber, a multiple of 0.01 from 0 to 0.15     (default 0.02)
                 (a thickness and camber pair off that grid keeps the circular
                 section of zero thickness and camber)
  --alpha TEXT   angle of attack in degrees                            (default 5)
  --kutta TEXT   circulation factor: 1 Kutta condition, 0 none         (default 1)
  --scale TEXT   half the width of the picture in chord units          (default 1)
  --dpsi TEXT    stream-function step between streamlines, > 0         (default 0.07)
  --nsl TEXT     index of the last streamline, 2 to 20                 (default 10)
  --dr TEXT      radial marching step of the solver, > 0               (default 0.01)
  Each option also takes the form --name=VALUE.

Output:
  --format csv   (default) CSV, header "streamline,point,x,y": every point 1..n of
                 every streamline 0..nSL (0 is the section contour), in the airfoil
                 plane turned by the angle of attack, 17 significant digits.
  --format svg   the window's picture as SVG: a dark grey background, the contour
                 in red and every streamline as its two light-grey rippled lines,
                 as paths in the picture's pixel coordinates.
  --format png   the window's picture as PNG, drawn by the window's own plot view:
                 pixel for pixel what the window shows after START and the ticks
                 up to --time (the erasing of each tick included).
  --time T       the moment of the picture: T / 0.1 animation ticks after START,
                 T a multiple of 0.1 from 0 to 1000 (default 0.1, the first frame;
                 0 shows the contour alone).
  --size WxH     picture size in pixels, 3:2 like the window's plot, up to
                 6000x4000 (default 600x400).
  --output FILE  write to FILE instead of standard output ('-' is standard output).
                 PNG goes to standard output only when that is not a terminal.
  --table        the section table instead, header "row,delta,gamma,eps,mu".
  --help         this text.
  --version      the program's version.

Exit status: 0 on success; 1 when the output cannot be written; 2 when an option or
a parameter is rejected (the reason goes to standard error, on one line).
)";
}

}  // namespace jouk
