#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "OutputFile.hpp"

namespace jouk {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class OutputFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() / ("jouk-output-" + std::to_string(getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
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

}  // namespace
}  // namespace jouk
