// Where joukowsky-export puts its result: a file or standard output.
#pragma once

#include <string>
#include <string_view>

namespace jouk {

// Writes data to the file at path (created or replaced), or to standard output when path is
// empty. Returns false with a one-line reason in error when the file cannot be opened or the
// data not written in full; a file that was opened but only partly written is removed.
bool WriteOutput(const std::string& path, std::string_view data, std::string& error);

}  // namespace jouk
