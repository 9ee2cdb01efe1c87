#include "check/preflight/record_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skarvik::check {
namespace {

// Reader lines of Device.dat as a run writes them, terminal by terminal:
// the line numbers of the repeated ones and the line each repeats.
TEST(RecordChecks, ARepeatedReaderKeyIsFoundWithinItsBlockOrWithItsWholeBlock) {
  const PlannedFile& device = *FindPlannedFile("Device.dat");
  struct Case {
    const char* name;
    std::vector<std::vector<std::string>> lines;  // terminal, reader number
    std::vector<std::string> effects;             // of the repeats, in order
  } cases[] = {
      {"distinct readers", {{"T1", "1"}, {"T1", "2"}, {"T2", "1"}}, {}},
      {"a number twice on one terminal", {{"T1", "1"}, {"T1", "1"}}, {"first at line 1"}},
      {"a terminal's readers written again later",
       {{"T1", "1"}, {"T1", "2"}, {"T2", "1"}, {"T1", "1"}, {"T1", "2"}},
       {"first at line 1", "first at line 2"}},
      {"a terminal's readers written again at once",
       {{"T1", "1"}, {"T1", "2"}, {"T1", "1"}, {"T1", "2"}},
       {"first at line 1", "first at line 2"}},
  };
  for (const Case& c : cases) {
    FindingList findings(10);
    RecordChecks records(findings);
    long line = 0;
    for (const auto& reader : c.lines) {
      const std::vector<std::string_view> fields = {"LESEXT", reader[0], reader[1]};
      records.lineWritten(device, LayoutOf(device, fields[0]), ++line, fields, "");
    }
    std::vector<std::string> effects;
    for (const Finding& f : findings.take()) {
      for (const Example& e : f.examples) effects.push_back(e.effect);
    }
    EXPECT_EQ(effects, c.effects) << "case " << c.name;
  }
}

}  // namespace
}  // namespace skarvik::check
