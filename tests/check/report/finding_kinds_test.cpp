#include "check/report/finding_kinds.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace skarvik::check {
namespace {

std::string ManualPage() {
  std::ifstream in(SKARVIK_CHECK_MANUAL_PAGE);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Scripts select findings by their ids: each one the program can report is
// documented, its run-time parts in italics.
TEST(FindingKinds, ManualPageListsEveryId) {
  const std::string page = ManualPage();
  ASSERT_FALSE(page.empty()) << SKARVIK_CHECK_MANUAL_PAGE;
  for (const FindingKind& kind : FindingKinds()) {
    const std::string shown =
        Fill(kind.id,
             {{"key", "\\fI{key}\\fB"}, {"table", "\\fI{table}\\fB"}, {"kind", "\\fI{kind}\\fB"}});
    EXPECT_NE(page.find(".B " + shown + "\n"), std::string::npos) << kind.id;
  }
}

TEST(FindingKinds, FillPutsEachPartInPlace) {
  EXPECT_EQ(Fill("driver.table.{table}.assignment", {{"table", "Vks114Tsm"}}),
            "driver.table.Vks114Tsm.assignment");
  EXPECT_EQ(Fill("{name} answers {tag}", {{"tag", "SQL_GetTerm"}, {"name", "VKSYSTEM.Vks114Tsm"}}),
            "VKSYSTEM.Vks114Tsm answers SQL_GetTerm");
  EXPECT_EQ(Fill("comma in {column}", {}), "comma in ");
  EXPECT_EQ(Fill("no parts", {{"column", "x"}}), "no parts");
}

}  // namespace
}  // namespace skarvik::check
