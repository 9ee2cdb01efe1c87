#include "db/sql_text.h"

#include <gtest/gtest.h>

namespace skarvik {
namespace {

TEST(KeyedSql, QuotesInTheKeyAreDoubledAndNothingElseChanges) {
  struct Case {
    std::string key;
    std::string sql;
  } cases[] = {
      {"T1", "WHERE  ZlsTrm = 'T1'"},
      {"", "WHERE  ZlsTrm = ''"},
      {"O'Brien", "WHERE  ZlsTrm = 'O''Brien'"},
      {"''", "WHERE  ZlsTrm = ''''''"},
      {"a%sb", "WHERE  ZlsTrm = 'a%sb'"},
      {"x\\'; DROP", "WHERE  ZlsTrm = 'x\\''; DROP'"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeyedSql("WHERE  ZlsTrm = '%s'", c.key), c.sql) << "case " << c.key;
  }
  EXPECT_EQ(KeyedSql("SELECT 1", "ignored"), "SELECT 1");
}

TEST(SelectList, PutsASecondBlankAfterEveryGroup) {
  const char* const names[] = {"A", "B", "C", "D", "E"};
  EXPECT_EQ(SelectList(names, 2), "SELECT  A, B,  C, D,  E");
  EXPECT_EQ(SelectList(names, 5), "SELECT  A, B, C, D, E");
  EXPECT_EQ(SelectList(std::span(names, 1), 4), "SELECT  A");
}

TEST(Unqualified, DropsEverySchemaQualifier) {
  EXPECT_EQ(Unqualified(" FROM  VKSYSTEM.Vks401Zls  WHERE  ZlsTrm = '%s'"),
            " FROM  Vks401Zls  WHERE  ZlsTrm = '%s'");
  EXPECT_EQ(Unqualified("VKSYSTEM.A, VKSYSTEM.B"), "A, B");
  EXPECT_EQ(Unqualified("no qualifier"), "no qualifier");
}

}  // namespace
}  // namespace skarvik
