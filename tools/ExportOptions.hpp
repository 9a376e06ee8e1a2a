// Command-line options of joukowsky-export.
#pragma once

#include <string>
#include <vector>

#include "Recompute.hpp"

namespace jouk {

struct ExportOptions {
  ParameterTexts texts;  // the eight texts, as the window's text boxes would hold them
  bool table = false;    // print the section table instead of the streamlines
  bool help = false;
};

// Parses the arguments (without the program name). On failure returns false and sets error
// to a one-line message.
bool ParseExportOptions(const std::vector<std::string>& args, ExportOptions& out,
                        std::string& error);

// The text printed by --help.
std::string ExportUsage();

}  // namespace jouk
