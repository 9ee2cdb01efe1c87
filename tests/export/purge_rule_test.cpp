#include "export/purge_rule.h"

#include <gtest/gtest.h>

#include <string>

namespace skarvik {
namespace {

// The purge deletes rows for good, so only the two names themselves count:
// a name with anything around it, or the special data source, purges nothing.
TEST(PurgeRule, OnlyAnOrdinarySourceOnMicrosoftSqlServerPurges) {
  struct Case {
    std::string dbSystem;
    bool special;
    bool purges;
  } cases[] = {
      {"MSSQL", false, true},       {"mssql", false, true},     {"MsSql", false, true},
      {"SQLSERVER", false, true},   {"sqlserver", false, true}, {"SqlServer", false, true},
      {"MSSQL ", false, false},     {" MSSQL", false, false},   {"MSSQL2019", false, false},
      {"SQL SERVER", false, false}, {"", false, false},         {"ORACLE", false, false},
      {"MSSQL", true, false},       {"SQLSERVER", true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PurgesCommunicationTable(c.special, c.dbSystem), c.purges)
        << "case " << c.dbSystem << (c.special ? " on the special source" : "");
  }
  EXPECT_EQ(PurgedTable(), "Vks1140Com");
}

}  // namespace
}  // namespace skarvik
