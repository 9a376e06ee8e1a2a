#include "ExportOptions.hpp"

#include <string_view>

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

}  // namespace

bool ParseExportOptions(const std::vector<std::string>& args, ExportOptions& out,
                        std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      out.help = true;
      continue;
    }
    if (arg == "--table") {
      out.table = true;
      continue;
    }
    bool known = false;
    for (const TextOption& opt : kTextOptions) {
      const std::string_view name = opt.name;
      if (arg == name) {
        if (i + 1 >= args.size()) {
          error = arg + " needs a value.";
          return false;
        }
        out.texts.*opt.field = args[++i];
        known = true;
      } else if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 &&
                 arg[name.size()] == '=') {
        out.texts.*opt.field = arg.substr(name.size() + 1);
        known = true;
      }
      if (known) break;
    }
    if (!known) {
      error = "unknown option " + arg + " (see --help).";
      return false;
    }
  }
  return true;
}

std::string ExportUsage() {
  return R"(Usage: joukowsky-export [OPTIONS]

Computes the streamlines of potential flow around a Joukowsky airfoil, exactly as the
window does after START, and prints them without opening any window.

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
  Each option also takes the form --name=TEXT.

Output:
  (default)      CSV on standard output, header "streamline,point,x,y": every point
                 1..n of every streamline 0..nSL (0 is the section contour), in the
                 airfoil plane turned by the angle of attack, 17 significant digits.
  --table        the section table instead, header "row,delta,gamma,eps,mu".
  --help         this text.

Exit status: 0 on success; 2 when an option or a parameter is rejected (the reason
goes to standard error).
)";
}

}  // namespace jouk
