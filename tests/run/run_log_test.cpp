#include "run/run_log.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace skarvik {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

fs::path MakeTempDir() {
  std::string pattern = (fs::temp_directory_path() / "skarvik-log-XXXXXX").string();
  return mkdtemp(pattern.data());
}

class RunLogTest : public ::testing::Test {
 protected:
  ~RunLogTest() override { fs::remove_all(dir_); }

  void write(const std::string& text) { WriteLog(log_.c_str(), backup_.c_str(), text); }
  void fillTo(std::uintmax_t size) {
    std::ofstream(log_, std::ios::binary) << std::string(size, 'x');
  }

  fs::path dir_ = MakeTempDir();
  fs::path log_ = dir_ / "Brolandix#Log.txt";
  fs::path backup_ = dir_ / "Brolandix#Log_bak.txt";
};

TEST_F(RunLogTest, LinesAreAppendedWithCrLfAndALeadingLineFeedShowsAsEmptyLine) {
  write("\n>>>start");
  write("second");
  EXPECT_EQ(Read(log_), "\r\n>>>start\r\nsecond\r\n");
}

TEST_F(RunLogTest, RotatesOnlyWhenTheLogGrowsBeyondTenMebibytes) {
  struct Case {
    const char* name;
    std::uintmax_t sizeBefore;  // "ab" and CR LF add four bytes
    bool rotated;
  } cases[] = {
      {"exactly 10 MiB after the line", kRunLogRotationSize - 4, false},
      {"one byte more", kRunLogRotationSize - 3, true},
  };
  for (const Case& c : cases) {
    fs::remove(backup_);
    fillTo(c.sizeBefore);
    write("ab");
    EXPECT_EQ(fs::exists(log_), !c.rotated) << c.name;
    EXPECT_EQ(fs::exists(backup_), c.rotated) << c.name;
    const fs::path holder = c.rotated ? backup_ : log_;
    EXPECT_EQ(fs::file_size(holder), c.sizeBefore + 4) << c.name;
    EXPECT_EQ(Read(holder).substr(c.sizeBefore), "ab\r\n") << c.name;
  }
}

TEST_F(RunLogTest, RotationReplacesTheOldBackupAndTheNextLineStartsANewLog) {
  std::ofstream(backup_, std::ios::binary) << "old backup";
  fillTo(kRunLogRotationSize);
  write("crossing");
  EXPECT_EQ(fs::file_size(backup_), kRunLogRotationSize + 10);
  write("fresh");
  EXPECT_EQ(Read(log_), "fresh\r\n");
}

TEST_F(RunLogTest, MissingDirectoryDropsTheLineSilently) {
  const fs::path nowhere = dir_ / "missing" / "log.txt";
  WriteLog(nowhere.c_str(), (dir_ / "missing" / "bak.txt").c_str(), "lost");
  EXPECT_FALSE(fs::exists(nowhere));
}

}  // namespace
}  // namespace skarvik
