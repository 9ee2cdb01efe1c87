#include "settings/ini_lookup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "settings/value_cipher.h"

namespace skarvik {
namespace {

std::string E(std::string_view plain) { return EncryptValue(plain, kSettingsKey); }

// What the lookup makes of a stored value text.
std::string D(std::string_view hex) {
  std::vector<char> out(hex.size() + 16);
  DecryptValue(hex, out, kSettingsKey);
  return std::string(out.data()).substr(0, 200);
}

class SettingsFile {
 public:
  explicit SettingsFile(const std::string& content) {
    path_ = std::filesystem::path(::testing::TempDir()) /
            ("settings_" + std::to_string(getpid()) + "_" + std::to_string(counter_++) + ".ini");
    std::ofstream(path_, std::ios::binary) << content;
  }
  ~SettingsFile() { std::filesystem::remove(path_); }
  const char* path() const { return path_.c_str(); }

 private:
  static inline int counter_ = 0;
  std::filesystem::path path_;
};

struct Expected {
  std::int32_t number;
  std::string section;
  std::string key;
  std::string value;
};

struct Case {
  std::string name;
  std::string file;
  std::string section;
  std::string key;
  std::int32_t number;
  Expected expected;
};

void ExpectLookups(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SettingsFile file(c.file);
    const IniEntry got = GetIniValue(c.section, c.key, c.number, file.path());
    EXPECT_EQ(got.iniNumber, c.expected.number) << "case " << c.name;
    EXPECT_EQ(got.iniSection.view(), c.expected.section) << "case " << c.name;
    EXPECT_EQ(got.iniKey.view(), c.expected.key) << "case " << c.name;
    EXPECT_EQ(got.iniValue.view(), c.expected.value) << "case " << c.name;
  }
}

const std::string kTwoEntries =
    ";DB;\n1;LOGIN;" + E("skarv") + "\n;DB2;\n2;PASS;" + E("s3cret") + "\n";

TEST(GetIniValue, MatchesBySectionKeyOrNumberAndTheFirstWins) {
  ExpectLookups({
      {"key", kTwoEntries, "", "PASS", 0, {2, "DB2", "PASS", "s3cret"}},
      {"section", kTwoEntries, "DB2", "none", 9, {2, "DB2", "PASS", "s3cret"}},
      {"number", kTwoEntries, "", "none", 2, {2, "DB2", "PASS", "s3cret"}},
      {"no match leaves all empty", kTwoEntries, "X", "none", 9, {0, "", "", ""}},
      {"first of two equal keys wins",
       ";A;\n1;PASS;" + E("first") + "\n;B;\n2;PASS;" + E("second") + "\n",
       "",
       "PASS",
       0,
       {1, "A", "PASS", "first"}},
      {"keys are case-sensitive",
       ";A;\n1;pass;" + E("lower") + "\n;B;\n2;PASS;" + E("upper") + "\n",
       "",
       "PASS",
       0,
       {2, "B", "PASS", "upper"}},
      {"number 0 answers every lookup with 0",
       ";A;\n0;LOGIN;" + E("user") + "\n;B;\n2;PASS;" + E("pw") + "\n",
       "",
       "PASS",
       0,
       {0, "A", "LOGIN", "user"}},
      {"empty section answers every lookup with an empty section",
       "no separator\n1;LOGIN;" + E("user") + "\n;B;\n2;PASS;" + E("pw") + "\n",
       "",
       "PASS",
       0,
       {1, "", "LOGIN", "user"}},
  });
}

TEST(GetIniValue, ReadsTheFieldsOfADataLine) {
  const std::string pw = E("pw");
  ExpectLookups({
      {"CR LF line ends", ";A;\r\n1;PASS;" + pw + "\r\n", "", "PASS", 0, {1, "A", "PASS", "pw"}},
      {"last line without line feed", ";A;\n1;PASS;" + pw, "", "PASS", 0, {1, "A", "PASS", "pw"}},
      {"empty value", ";A;\n1;PASS;\n", "", "PASS", 0, {1, "A", "PASS", ""}},
      {"value keeps its ;", ";A;\n1;PASS;AB;CD\n", "", "PASS", 0, {1, "A", "PASS", D("AB;CD")}},
      {"one ; gives an empty key", ";A;\n7;" + pw + "\n", "", "x", 7, {7, "A", "", "pw"}},
      {"no ; gives number 0 and the line without its line feed",
       ";A;\r\n" + pw + "\r\n",
       "Z",
       "x",
       0,
       {0, "A", "", "pw"}},
      {"leading ; gives number 0",
       ";A;\n;PASS;" + pw + "\n",
       "Z",
       "PASS",
       5,
       {0, "A", "PASS", "pw"}},
      {"adjacent ; give an empty key", ";A;\n3;;" + pw + "\n", "Z", "", 9, {3, "A", "", "pw"}},
      {"adjacent ; give an empty section",
       ";;x\n3;K;" + pw + "\n",
       "",
       "none",
       9,
       {3, "", "K", "pw"}},
      {"number with blanks and sign", ";A;\n  -42x;K;\n", "", "K", 0, {-42, "A", "K", ""}},
      {"over-long number is cut to 11 characters and saturates",
       ";A;\n123456789012;K;\n",
       "",
       "K",
       0,
       {INT32_MAX, "A", "K", ""}},
  });
}

TEST(GetIniValue, BoundsOverLongFields) {
  const std::string long_key(250, 'K');
  const std::string long_hex = E(std::string(150, 'v'));
  ExpectLookups({
      {"key cut to 200",
       ";A;\n4;" + long_key + ";\n",
       "",
       "",
       4,
       {4, "A", long_key.substr(0, 200), ""}},
      {"value cut to 200 digits",
       ";A;\n4;K;" + long_hex + "\n",
       "",
       "K",
       0,
       {4, "A", "K", D(long_hex.substr(0, 200))}},
  });
}

TEST(GetIniValue, FollowsTheLinesOfTheFile) {
  const std::string u = E("user");
  const std::string p = E("pw");
  const std::string header198 = ";A;" + std::string(195, 'h');
  ExpectLookups({
      {"header of 198 characters fits",
       header198 + "\n1;LOGIN;" + u + "\n;B;\n2;PASS;" + p + "\n",
       "",
       "PASS",
       0,
       {2, "B", "PASS", "pw"}},
      {"header of 198 characters and CR LF fits",
       header198 + "\r\n1;LOGIN;" + u + "\r\n;B;\r\n2;PASS;" + p + "\r\n",
       "",
       "PASS",
       0,
       {2, "B", "PASS", "pw"}},
      // The 199th character fills the header buffer: its line feed is read
      // as the data line and every later line moves up one place.
      {"header of 199 characters puts the reading out of step",
       header198 + "h\n1;LOGIN;" + u + "\n;B;\n2;PASS;" + p + "\n",
       "Z",
       "B",
       9,
       {0, "LOGIN", "B", ""}},
      {"header on the last line is ignored",
       ";A;\n1;LOGIN;" + u + "\n;B;",
       "B",
       "none",
       9,
       {0, "", "", ""}},
      {"empty file", "", "", "", 0, {0, "", "", ""}},
  });
}

TEST(GetIniValue, MissingFileGivesEmptyResults) {
  const IniEntry got = GetIniValue("", "PASS", 0, "/nonexistent/dir/Kelvarion.Ini");
  EXPECT_EQ(got.iniNumber, 0);
  EXPECT_TRUE(got.iniSection.empty() && got.iniKey.empty() && got.iniValue.empty());
}

}  // namespace
}  // namespace skarvik
