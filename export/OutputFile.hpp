// Where joukowsky-export puts its result: a file or standard output.
#pragma once

#include <string>
#include <string_view>

namespace jouk {

// Writes data to the file at path, or to standard output when path is empty. A file is written
// in full to a temporary file in the same folder, synced, and only then renamed over path, so an
// existing file is either replaced whole or left byte for byte as it was; the temporary is
// removed after a failure. A new file gets the permissions of a plainly created one
// (0666 & ~umask), a replaced one keeps its permission bits (and its owner where the system
// allows). A symbolic link is refused, since the rename would replace the link; a device or a
// pipe is written directly. Returns false with a one-line reason in error.
bool WriteOutput(const std::string& path, std::string_view data, std::string& error);

// Ignores SIGXFSZ, so that a write beyond the file-size limit (RLIMIT_FSIZE) fails with EFBIG
// and is reported instead of killing the process. Called once at the start of a program.
void IgnoreFileSizeSignal();

}  // namespace jouk
