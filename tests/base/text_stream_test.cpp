#include "base/text_stream.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace skarvik {
namespace {

namespace fs = std::filesystem;

TEST(TextStream, EveryLineFeedBecomesCrLfAndNothingElseChanges) {
  struct Case {
    std::string written;
    std::string stored;
  } cases[] = {
      {"", ""},
      {"a\nb\n", "a\r\nb\r\n"},
      {"\n\n", "\r\n\r\n"},
      {"cr\r alone", "cr\r alone"},
      {"\r\n", "\r\r\n"},
      {"K\xFChlhaus\n", "K\xFChlhaus\r\n"},
      {std::string("nul\0byte", 8), std::string("nul\0byte", 8)},
  };
  std::string pattern = (fs::temp_directory_path() / "skarvik-stream-XXXXXX").string();
  const fs::path dir = mkdtemp(pattern.data());
  for (const Case& c : cases) {
    const fs::path path = dir / "out.txt";
    TextStream stream(path.c_str(), TextStream::Mode::kTruncate);
    stream.write(c.written);
    EXPECT_EQ(stream.position(), static_cast<long>(c.stored.size()));
    ASSERT_TRUE(stream.close());
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    EXPECT_EQ(bytes.str(), c.stored) << "case " << testing::PrintToString(c.written);
  }
  fs::remove_all(dir);
}

TEST(TextStream, FullDiskIsReportedByClose) {
  TextStream stream("/dev/full", TextStream::Mode::kTruncate);
  ASSERT_TRUE(stream.isOpen());
  stream.write("line\n");
  EXPECT_FALSE(stream.close());
}

TEST(Format, FormatsLikePrintf) {
  EXPECT_EQ(Format("Fehler: %d", -1), "Fehler: -1");
  EXPECT_EQ(Format("%s", std::string(5000, 'x').c_str()).size(), 5000u);
}

}  // namespace
}  // namespace skarvik
