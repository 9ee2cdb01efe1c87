#include "check/report/finding_kinds.h"

#include <gtest/gtest.h>

namespace skarvik::check {
namespace {

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
