#include "db/sql_text.h"

#include <gtest/gtest.h>

#include <tuple>

#include "export/export_plan.h"

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

// The table is the name after the first qualifier, the key column the name
// before the key comparison; a text without either names none.
TEST(QueryFacts, TableAndKeyColumnAreReadOffTheText) {
  struct Case {
    std::string text;
    std::string table;
    std::string key;
  } cases[] = {
      {" FROM  Vks401Zls  WHERE  ZlsTrm = '%s'", "", "ZlsTrm"},
      {"VKSYSTEM.A_1, VKSYSTEM.B WHERE  x.Y_2 = '%s' AND Z = '%s'", "A_1", "Y_2"},
      {" FROM  VKSYSTEM.T WHERE  TsaSal='%s'", "T", ""},
      {" FROM  VKSYSTEM.  WHERE   = '%s'", "", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TableOf(c.text), c.table) << "case " << c.text;
    EXPECT_EQ(KeyColumnOf(c.text), c.key) << "case " << c.text;
  }
}

// The texts the export runs, with their facts written out rather than read
// off the texts, so that a query that reads another table or compares
// another column stands out.
TEST(ExportPlan, EveryQueryReadsItsTableByItsKeyColumn) {
  using enum CursorKind;
  using Facts = std::tuple<std::string_view, CursorKind, std::string_view, std::string_view>;
  const Facts cases[] = {
      {"Device.dat", kTerminals, "Vks1140Trm", ""},
      {"Device.dat", kCommunication, "Vks1140Com", "ComNam"},
      {"Device.dat", kReaders, "Vks401Zls", "ZlsTrm"},
      {"Device.dat", kTypeTable, "Vks114Tsm", ""},
      {"SldKopf.dat", kAssignment, "Vks114Tsm", "TsmSal"},
      {"SldKopf.dat", kBalanceHeaders, "O2101SalTab", ""},
      {"SldPos.dat", kBalancePositions, "G2101SalLst", "TsaSal"},
      {"TstKopf.dat", kAssignment, "Vks114Tsm", "TsmTas"},
      {"TstKopf.dat", kKeyHeaders, "O2100TastTab", ""},
      {"TstPos.dat", kKeyPositions, "O2108Tta", "TtaNum"},
  };
  std::size_t i = 0;
  for (const PlannedFile& file : ExportPlan()) {
    for (const PlannedQuery& query : file.queries) {
      ASSERT_LT(i, std::size(cases)) << "a query more in " << file.name;
      const QueryFacts facts = query.facts();
      EXPECT_EQ(Facts(file.name, facts.cursor, facts.table, facts.keyColumn), cases[i])
          << "case " << i << " of " << file.name;
      ++i;
    }
  }
  EXPECT_EQ(i, std::size(cases));
}

}  // namespace
}  // namespace skarvik
