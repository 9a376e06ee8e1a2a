#include "export/OutputFile.hpp"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/ShownText.hpp"

namespace jouk {

namespace {

// Longest part of the target's name kept in the temporary's name, well below NAME_MAX.
constexpr std::size_t kNameKept = 64;
// Attempts at a temporary name that is not taken yet.
constexpr int kNameAttempts = 100;
// Largest single write: Linux moves at most about 2 GiB per call.
constexpr std::size_t kChunk = std::size_t{1} << 30;

// A name or folder as it may stand in the one-line message: whole, with control characters
// shown as '?'.
std::string Shown(const std::string& text) {
  return ShownText(text, text.size());
}

std::string Reason(const std::string& path, int err) {
  const std::string where = path.empty() ? "standard output" : Shown(path);
  return "cannot write " + where + ": " + std::strerror(err) + ".";
}

// Writes all of data to fd; 0, or the errno of the failure.
int WriteAll(int fd, std::string_view data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = write(fd, data.data() + done, std::min(data.size() - done, kChunk));
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return EIO;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

bool WriteToStandardOutput(std::string_view data, std::string& error) {
  errno = 0;
  const bool ok =
      std::fwrite(data.data(), 1, data.size(), stdout) == data.size() && std::fflush(stdout) == 0;
  if (!ok) error = Reason("", errno != 0 ? errno : EIO);
  return ok;
}

// A device or a pipe: there is no file content to keep, so it is written directly.
bool WriteInPlace(const std::string& path, std::string_view data, std::string& error) {
  const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    error = Reason(path, errno);
    return false;
  }
  int err = WriteAll(fd, data);
  if (close(fd) != 0 && err == 0) err = errno;
  if (err != 0) error = Reason(path, err);
  return err == 0;
}

// The folder of path ("." for a bare name) and the name within it.
void SplitPath(const std::string& path, std::string& folder, std::string& name) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) {
    folder = ".";
    name = path;
  } else {
    folder = slash == 0 ? "/" : path.substr(0, slash);
    name = path.substr(slash + 1);
  }
}

// Creates a new temporary file in folder, named after the target so that one left behind by a
// killed run is recognisable; the system applies the umask to 0666 as for any new file.
// Returns the descriptor and sets tempPath, or -1 with errno set.
int CreateTemporary(const std::string& folder, const std::string& name, std::string& tempPath) {
  static std::uint64_t counter = 0;
  const std::string prefix = folder + "/." + name.substr(0, kNameKept) + ".";
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    // Process, call and clock, mixed, so that concurrent runs do not pick the same name.
    std::uint64_t mix =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<std::uint64_t>(getpid()) << 40) ^ (++counter * 0x9E3779B97F4A7C15u);
    mix ^= mix >> 31;
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, "%012llx.tmp",
                  static_cast<unsigned long long>(mix & 0xFFFFFFFFFFFFu));
    tempPath = prefix + suffix;
    const int fd =
        open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// Makes the rename itself durable; a folder that cannot be synced leaves the file in place all
// the same, so this is done as well as the system allows.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// Writes a plain file through a temporary beside it; `old` is the file replaced, if any.
bool ReplaceFile(const std::string& path, const struct stat* old, std::string_view data,
                 std::string& error) {
  std::string folder;
  std::string name;
  SplitPath(path, folder, name);
  if (name.empty()) {  // "folder/" names no file
    error = Reason(path, EISDIR);
    return false;
  }
  std::string tempPath;
  const int fd = CreateTemporary(folder, name, tempPath);
  if (fd < 0) {
    const int err = errno;
    error = "cannot write " + Shown(path) + ": cannot create a file in its folder " +
            Shown(folder) + ": " + std::strerror(err) + ".";
    return false;
  }
  int err = 0;
  if (old != nullptr) {
    // The owner first: changing it may clear permission bits. Only root, or the owner giving
    // one of its own groups, may; otherwise the writer stays the owner.
    [[maybe_unused]] const int chowned = fchown(fd, old->st_uid, old->st_gid);
    // Set-user and set-group bits are not carried over to new content.
    if (fchmod(fd, old->st_mode & 0777) != 0) err = errno;
  }
  if (err == 0) err = WriteAll(fd, data);
  if (err == 0 && fsync(fd) != 0) err = errno;
  // Closing may report the failure of a write the system had delayed.
  if (close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && rename(tempPath.c_str(), path.c_str()) != 0) err = errno;
  if (err != 0) {
    unlink(tempPath.c_str());
    error = Reason(path, err);
    return false;
  }
  SyncFolder(folder);
  return true;
}

}  // namespace

bool WriteOutput(const std::string& path, std::string_view data, std::string& error) {
  if (path.empty()) return WriteToStandardOutput(data, error);
  struct stat old {};
  if (lstat(path.c_str(), &old) != 0) {
    if (errno != ENOENT) {
      error = Reason(path, errno);
      return false;
    }
    return ReplaceFile(path, nullptr, data, error);
  }
  if (S_ISLNK(old.st_mode)) {
    error = "cannot write " + Shown(path) +
            ": it is a symbolic link, which would be replaced; give the file it points to.";
    return false;
  }
  if (S_ISDIR(old.st_mode)) {
    error = Reason(path, EISDIR);
    return false;
  }
  if (!S_ISREG(old.st_mode)) return WriteInPlace(path, data, error);
  // A file its owner has made read-only stays, as it would for a write in place.
  if (faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
    error = Reason(path, errno);
    return false;
  }
  return ReplaceFile(path, &old, data, error);
}

void IgnoreFileSizeSignal() {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGXFSZ, &ignore, nullptr);
}

}  // namespace jouk
