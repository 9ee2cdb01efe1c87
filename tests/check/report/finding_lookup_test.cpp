#include "check/report/finding_lookup.h"

#include <gtest/gtest.h>

namespace skarvik::check {
namespace {

TEST(FindingKindOf, TakesAnIdAsAReportShowsItOrAsListed) {
  const struct {
    const char* id;
    const char* kind;  // nullptr: none
  } cases[] = {
      {"hazard.comma", "hazard.comma"},
      {"driver.table.Vks114Tsm", "driver.table.{table}"},
      {"driver.table.Vks114Tsm.assignment", "driver.table.{table}.assignment"},
      {"driver.table.{table}.assignment", "driver.table.{table}.assignment"},
      {"driver.table.{table}", "driver.table.{table}"},
      {"environment.missing-DB_SYSTEM", "environment.missing-{key}"},
      {"environment.answered-by-other-PASS", "environment.answered-by-other-{key}"},
      {"forecast.unassigned-balance-tables", "forecast.unassigned-{kind}-tables"},
      {"forecast.unassigned-a-b-tables", "forecast.unassigned-{kind}-tables"},
      {"", nullptr},
      {"hazard", nullptr},
      {"hazard.comma.", nullptr},
      {" hazard.comma", nullptr},
      {"Hazard.Comma", nullptr},
      {"driver.table.", nullptr},
      {"driver.table..assignment", nullptr},
      {"driver.table.A.B.assignment", nullptr},
      {"driver.table.A.assignment.x", nullptr},
      {"forecast.unassigned--tables", nullptr},
      {"environment.missing-", nullptr},
  };
  for (const auto& c : cases) {
    const FindingKind* kind = FindingKindOf(c.id);
    if (c.kind == nullptr) {
      EXPECT_EQ(kind, nullptr) << c.id << " found " << kind->id;
    } else {
      ASSERT_NE(kind, nullptr) << c.id;
      EXPECT_EQ(kind->id, c.kind) << c.id;
    }
  }
}

// An id a report holds leads back to its own kind, not to an earlier row
// whose pattern happens to take it too.
TEST(FindingKindOf, EveryIdFilledInFindsItsOwnKind) {
  for (const FindingKind& kind : FindingKinds()) {
    const std::string id =
        Fill(kind.id, {{"key", "LOGIN"}, {"table", "Vks1140Com"}, {"kind", "key"}});
    const FindingKind* found = FindingKindOf(id);
    ASSERT_NE(found, nullptr) << id;
    EXPECT_EQ(found->which, kind.which) << id << " found " << found->id;
  }
}

}  // namespace
}  // namespace skarvik::check
