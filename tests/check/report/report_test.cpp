#include "check/report/report.h"

#include <gtest/gtest.h>

namespace skarvik::check {
namespace {

Finding Counted(Severity severity, std::int64_t count) {
  return {.id = "count", .severity = severity, .count = count};
}

Finding Check(Severity severity, bool passed) {
  return {.id = "check", .severity = severity, .passed = passed};
}

Report ReportOf(std::vector<Finding> findings) {
  return {.command = "preflight", .sections = {{.id = "s", .findings = std::move(findings)}}};
}

TEST(VerdictLine, CountsWhatIsRaisedWithItsPlural) {
  struct Case {
    const char* name;
    std::vector<Finding> findings;
    const char* line;
  } cases[] = {
      {"nothing", {}, "preflight: 0 blockers, 0 errors, 0 warnings"},
      {"one of each",
       {Counted(Severity::kBlocker, 12), Counted(Severity::kError, 3),
        Counted(Severity::kWarning, 1)},
       "preflight: 1 blocker, 1 error, 1 warning"},
      {"findings count, not their occurrences",
       {Counted(Severity::kError, 1), Counted(Severity::kError, 7), Counted(Severity::kWarning, 2),
        Counted(Severity::kWarning, 2)},
       "preflight: 0 blockers, 2 errors, 2 warnings"},
      {"a failed check counts, a passed one does not",
       {Check(Severity::kBlocker, false), Check(Severity::kBlocker, true)},
       "preflight: 1 blocker, 0 errors, 0 warnings"},
      {"a count of nothing and an info count raise nothing",
       {Counted(Severity::kError, 0), Counted(Severity::kInfo, 500)},
       "preflight: 0 blockers, 0 errors, 0 warnings"},
  };
  for (const Case& c : cases) EXPECT_EQ(VerdictLine(ReportOf(c.findings)), c.line) << c.name;
}

TEST(CheckExitOf, IsOneOnlyForAFindingAtOrAboveTheFailOnLevel) {
  struct Case {
    const char* name;
    std::vector<Finding> findings;
    int onBlocker, onError, onWarning;
  } cases[] = {
      {"clean", {Counted(Severity::kInfo, 3), Check(Severity::kBlocker, true)}, 0, 0, 0},
      {"a warning", {Counted(Severity::kWarning, 1)}, 0, 0, 1},
      {"an error", {Counted(Severity::kError, 1)}, 0, 1, 1},
      {"a failed blocker check", {Check(Severity::kBlocker, false)}, 1, 1, 1},
      {"an error found nowhere", {Counted(Severity::kError, 0)}, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const Report report = ReportOf(c.findings);
    EXPECT_EQ(CheckExitOf(report, Severity::kBlocker), c.onBlocker) << c.name;
    EXPECT_EQ(CheckExitOf(report, Severity::kError), c.onError) << c.name;
    EXPECT_EQ(CheckExitOf(report, Severity::kWarning), c.onWarning) << c.name;
  }
}

}  // namespace
}  // namespace skarvik::check
