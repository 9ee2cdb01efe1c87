#include "check/verify/comparing_sink.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace skarvik::check {
namespace {

// The lines an export would write for SldPos.dat: "SAL1,n,..." for each n.
std::vector<std::vector<std::string>> Positions(std::initializer_list<const char*> numbers) {
  std::vector<std::vector<std::string>> lines;
  for (const char* n : numbers)
    lines.push_back({"SAL1", n, "1", "0", "1", "", "VKImport", "", "", ""});
  return lines;
}

std::string FileOf(const std::vector<std::vector<std::string>>& lines) {
  std::string text;
  for (const auto& line : lines) {
    for (const std::string& field : line) text += field + ",";
    text += "\r\n";
  }
  return text;
}

TEST(ComparingSink, AChangeCostsTheLinesItTouchesAlone) {
  const PlannedFile& positions = *FindPlannedFile("SldPos.dat");
  const auto expected = Positions({"1", "2", "3", "4", "5"});
  struct Case {
    const char* name;
    std::string file;
    FileCounts counts;
    std::vector<std::string> ids;
  } cases[] = {
      {"the same lines", FileOf(expected), {.equal = 5}, {}},
      {"a line dropped from the file",
       FileOf(Positions({"1", "2", "4", "5"})),
       {.equal = 4, .missing = 1},
       {"verify.missing-lines"}},
      {"a line added to the file",
       FileOf(Positions({"1", "2", "9", "3", "4", "5"})),
       {.equal = 5, .extra = 1},
       {"verify.extra-lines"}},
      {"a line edited in the file",
       FileOf(Positions({"1", "2"})) + "SAL1,3,7,0,1,,VKImport,,,,\r\n" +
           FileOf(Positions({"4", "5"})),
       {.equal = 4, .different = 1},
       {"verify.different"}},
      {"a line with a field too many",
       FileOf(Positions({"1", "2", "3", "4"})) + "SAL1,5,1,0,1,,VKImport,,,,x,\r\n",
       {.equal = 4, .different = 1},
       {"verify.field-count", "verify.different"}},
      {"the last line without CR LF",
       FileOf(Positions({"1", "2", "3", "4"})) + "SAL1,5,1,0,1,,VKImport,,,,",
       {.equal = 5},
       {"verify.line-end"}},
      {"the file cut in the middle",
       FileOf(Positions({"1", "2"})),
       {.equal = 2, .missing = 3},
       {"verify.missing-lines"}},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.file);
    FindingList findings(5);
    Progress progress(stderr, false);
    ComparingSink sink(positions, &in, findings, false, progress);
    for (const auto& line : expected) {
      const std::vector<std::string_view> fields(line.begin(), line.end());
      sink.writeFields(fields);
    }
    sink.finish();
    const FileCounts& got = sink.counts();
    EXPECT_EQ(got.equal, c.counts.equal) << "case " << c.name;
    EXPECT_EQ(got.different, c.counts.different) << "case " << c.name;
    EXPECT_EQ(got.missing, c.counts.missing) << "case " << c.name;
    EXPECT_EQ(got.extra, c.counts.extra) << "case " << c.name;
    std::vector<std::string> ids;
    for (const Finding& f : findings.take()) ids.push_back(f.id);
    EXPECT_EQ(ids, c.ids) << "case " << c.name;
  }
}

// A value's line feed is written as CR LF like every line end, so its line
// stands on two lines of the file and still compares equal.
TEST(ComparingSink, ALineSplitByItsOwnLineFeedComparesAsOne) {
  const PlannedFile& positions = *FindPlannedFile("SldPos.dat");
  std::istringstream in("SAL1,1,,,,,VKImport,a\r\nb,,,\r\nSAL1,2,,,,,VKImport,,,,\r\n");
  FindingList findings(5);
  Progress progress(stderr, false);
  ComparingSink sink(positions, &in, findings, false, progress);
  const std::string_view split[] = {"SAL1", "1", "", "", "", "", "VKImport", "a\nb", "", ""};
  const std::string_view next[] = {"SAL1", "2", "", "", "", "", "VKImport", "", "", ""};
  sink.writeFields(split);
  sink.writeFields(next);
  sink.finish();
  EXPECT_EQ(sink.counts().equal, 2);
  EXPECT_TRUE(findings.take().empty());
}

}  // namespace
}  // namespace skarvik::check
