#include "OutputFile.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>

#include "ExportOptions.hpp"

namespace jouk {

namespace {

std::string Reason(const std::string& path, int err) {
  // The whole name, on one line.
  const std::string where = path.empty() ? "standard output" : ShownText(path, path.size());
  return "cannot write " + where + ": " + std::strerror(err) + ".";
}

}  // namespace

bool WriteOutput(const std::string& path, std::string_view data, std::string& error) {
  if (path.empty()) {
    errno = 0;
    const bool ok =
        std::fwrite(data.data(), 1, data.size(), stdout) == data.size() && std::fflush(stdout) == 0;
    if (!ok) error = Reason(path, errno != 0 ? errno : EIO);
    return ok;
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    error = Reason(path, errno);
    return false;
  }
  // Only a plain file of our own making is removed after a failed write, never a device (such
  // as /dev/full) nor what a symbolic link points to.
  struct stat opened {};
  const bool plainFile = fstat(fileno(file), &opened) == 0 && S_ISREG(opened.st_mode);
  errno = 0;
  bool ok = std::fwrite(data.data(), 1, data.size(), file) == data.size() && std::fflush(file) == 0;
  int err = errno;
  // Closing may report the failure of a write the system had delayed.
  if (std::fclose(file) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    error = Reason(path, err != 0 ? err : EIO);
    struct stat named {};
    if (plainFile && lstat(path.c_str(), &named) == 0 && S_ISREG(named.st_mode) &&
        named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
      std::remove(path.c_str());
    }
  }
  return ok;
}

}  // namespace jouk
