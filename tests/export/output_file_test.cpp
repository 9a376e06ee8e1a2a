#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "export/OutputFile.hpp"

namespace jouk {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void Put(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The names in a folder, sorted: shows a temporary left behind.
std::vector<std::string> Entries(const fs::path& dir) {
  std::vector<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
    names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

mode_t Mode(const fs::path& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Sets the process umask for one test.
class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : previous_(umask(mask)) {}
  ~ScopedUmask() { umask(previous_); }
  ScopedUmask(const ScopedUmask&) = delete;
  ScopedUmask& operator=(const ScopedUmask&) = delete;

 private:
  mode_t previous_;
};

class OutputFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() / ("jouk-output-" + std::to_string(getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  fs::path dir_;
};

TEST_F(OutputFileTest, WritesAndReplacesAFileWithBinaryData) {
  const fs::path file = dir_ / "picture.png";
  std::string error;
  const std::string first("\x89PNG\r\n\x1a\n\0\xff", 10);
  ASSERT_TRUE(WriteOutput(file.string(), first, error)) << error;
  EXPECT_EQ(Contents(file), first);
  ASSERT_TRUE(WriteOutput(file.string(), "short", error)) << error;
  EXPECT_EQ(Contents(file), "short");
}

TEST_F(OutputFileTest, ReportsWhatCannotBeWritten) {
  std::string error;
  const fs::path missing = dir_ / "no-such-folder" / "flow.svg";
  EXPECT_FALSE(WriteOutput(missing.string(), "x", error));
  EXPECT_NE(error.find(missing.string()), std::string::npos) << error;
  EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(missing));

  error.clear();
  EXPECT_FALSE(WriteOutput(dir_.string(), "x", error));  // a folder
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(fs::is_directory(dir_));

  // A device that takes no data: the failure is reported and the device stays.
  if (fs::exists("/dev/full")) {
    error.clear();
    EXPECT_FALSE(WriteOutput("/dev/full", std::string(1 << 16, 'x'), error));
    EXPECT_NE(error.find("/dev/full"), std::string::npos) << error;
    EXPECT_TRUE(fs::exists("/dev/full"));
  }

  // A name with a line break is shown on one line.
  error.clear();
  EXPECT_FALSE(WriteOutput((dir_ / "none" / "a\nb").string(), "x", error));
  EXPECT_EQ(error.find('\n'), std::string::npos) << error;
}

TEST_F(OutputFileTest, AFailedOverwriteLeavesTheOldFileAndNoTemporary) {
  // A child process with a 4 KiB file-size limit writes 64 KiB over an existing file.
  const fs::path file = dir_ / "flow.csv";
  const std::string old = "streamline,point,x,y\n0,1,-0.49,0.04\n";
  Put(file, old);
  int channel[2];
  ASSERT_EQ(pipe(channel), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(channel[0]);
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    IgnoreFileSizeSignal();
    std::string error;
    const bool ok = WriteOutput(file.string(), std::string(64 * 1024, 'x'), error);
    [[maybe_unused]] const ssize_t sent = write(channel[1], error.data(), error.size());
    _exit(ok ? 0 : 3);
  }
  close(channel[1]);
  std::string message;
  char buffer[256];
  for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) message.append(buffer, n);
  close(channel[0]);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "the child died of signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 3);  // the failure was reported, not success
  EXPECT_NE(message.find(file.string()), std::string::npos) << message;
  EXPECT_NE(message.find("File too large"), std::string::npos) << message;
  EXPECT_EQ(Contents(file), old);
  EXPECT_EQ(Entries(dir_), std::vector<std::string>{"flow.csv"});
}

TEST_F(OutputFileTest, ASymbolicLinkIsRefusedAndLeftAsItWas) {
  const fs::path real = dir_ / "real.csv";
  const fs::path link = dir_ / "link.csv";
  const fs::path dangling = dir_ / "dangling.csv";
  Put(real, "real");
  fs::create_symlink("real.csv", link);
  fs::create_symlink("missing.csv", dangling);
  for (const fs::path& target : {link, dangling}) {
    std::string error;
    EXPECT_FALSE(WriteOutput(target.string(), "new", error)) << target;
    EXPECT_NE(error.find(target.string()), std::string::npos) << error;
    EXPECT_NE(error.find("symbolic link"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_symlink(target));
  }
  EXPECT_EQ(fs::read_symlink(link), "real.csv");
  EXPECT_EQ(fs::read_symlink(dangling), "missing.csv");
  EXPECT_EQ(Contents(real), "real");
  EXPECT_EQ(Entries(dir_), (std::vector<std::string>{"dangling.csv", "link.csv", "real.csv"}));
}

TEST_F(OutputFileTest, ReadOnlyFolderAndFileGiveTheSystemsReason) {
  const fs::path kept = dir_ / "kept.csv";
  Put(kept, "kept");
  fs::permissions(kept, fs::perms::owner_read);
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  if (access(dir_.c_str(), W_OK) == 0) GTEST_SKIP() << "running as root: nothing is read-only";
  std::string error;
  const fs::path fresh = dir_ / "new.csv";
  EXPECT_FALSE(WriteOutput(fresh.string(), "x", error));
  EXPECT_NE(error.find(fresh.string()), std::string::npos) << error;
  EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
  EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  // Replacing a read-only file is refused too, even where its folder would allow a rename.
  fs::permissions(dir_, fs::perms::owner_all);
  error.clear();
  EXPECT_FALSE(WriteOutput(kept.string(), "x", error));
  EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
  EXPECT_EQ(Contents(kept), "kept");
  EXPECT_EQ(Entries(dir_), std::vector<std::string>{"kept.csv"});
}

TEST_F(OutputFileTest, AnOverwriteKeepsThePermissionBitsOfTheOldFile) {
  const ScopedUmask mask(022);
  const fs::path file = dir_ / "flow.svg";
  Put(file, std::string(1000, 'o'));
  ASSERT_EQ(chmod(file.c_str(), 0640), 0);
  std::string error;
  ASSERT_TRUE(WriteOutput(file.string(), "<svg/>", error)) << error;
  EXPECT_EQ(Contents(file), "<svg/>");
  EXPECT_EQ(Mode(file), 0640u);
  ASSERT_TRUE(WriteOutput(file.string(), "", error)) << error;
  EXPECT_EQ(Contents(file), "");
  EXPECT_EQ(Mode(file), 0640u);
  EXPECT_EQ(Entries(dir_), std::vector<std::string>{"flow.svg"});
}

TEST_F(OutputFileTest, ANewFileGetsTheUmaskOf0666) {
  for (const mode_t m : {mode_t{0}, mode_t{027}}) {
    const ScopedUmask mask(m);
    const fs::path file = dir_ / ("new-" + std::to_string(m) + ".png");
    std::string error;
    ASSERT_TRUE(WriteOutput(file.string(), "png", error)) << error;
    EXPECT_EQ(Contents(file), "png");
    EXPECT_EQ(Mode(file), 0666u & ~m) << "umask " << m;
  }
  EXPECT_EQ(Entries(dir_).size(), 2u);
}

}  // namespace
}  // namespace jouk
