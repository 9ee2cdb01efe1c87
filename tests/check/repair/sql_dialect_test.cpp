#include "check/repair/sql_dialect.h"

#include <gtest/gtest.h>

#include <string>

namespace skarvik::check {
namespace {

using namespace std::string_literals;
using enum DatabaseSystem;

TEST(SqlLiteral, SpellsEveryValueSoTheSystemReadsBackItsBytes) {
  struct Case {
    const char* name;
    std::string bytes;
    const char* sqlite;
    const char* postgres;
    const char* mariadb;
  } cases[] = {
      {"empty", "", "''", "''", "''"},
      {"quote", "O'Brien", "'O''Brien'", "'O''Brien'", "'O''Brien'"},
      {"backslash is an escape on MariaDB only", "C:\\x", "'C:\\x'", "'C:\\x'", "'C:\\\\x'"},
      {"backslash before a quote", "\\'", "'\\'''", "'\\'''", "'\\\\'''"},
      {"line break inside", "a\nb", "'a' || char(10) || 'b'", "'a' || chr(10) || 'b'",
       "CONCAT('a', char(10 USING latin1), 'b')"},
      {"only a line break", "\n", "char(10)", "chr(10)", "char(10 USING latin1)"},
      {"CR LF at the end", "a\r\n", "'a' || char(13) || char(10)", "'a' || chr(13) || chr(10)",
       "CONCAT('a', char(13 USING latin1), char(10 USING latin1))"},
      {"tab, escape, DEL and NUL are spelt too", "\t\x1B[\x7F\0"s,
       "char(9) || char(27) || '[' || char(127) || char(0)",
       "chr(9) || chr(27) || '[' || chr(127) || chr(0)",
       "CONCAT(char(9 USING latin1), char(27 USING latin1), '[', char(127 USING latin1), "
       "char(0 USING latin1))"},
      {"blanks around stay", " a ", "' a '", "' a '", "' a '"},
      {"upper half stays as bytes", "\x80\xE4\xFF", "'\x80\xE4\xFF'", "'\x80\xE4\xFF'",
       "'\x80\xE4\xFF'"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SqlLiteral(kSqlite, c.bytes), c.sqlite) << "case " << c.name;
    EXPECT_EQ(SqlLiteral(kPostgres, c.bytes), c.postgres) << "case " << c.name;
    EXPECT_EQ(SqlLiteral(kMariadb, c.bytes), c.mariadb) << "case " << c.name;
  }
}

TEST(DatabaseSystemOf, KnowsWhatTheDriversReportAndNothingElse) {
  struct Case {
    const char* dbmsName;
    std::optional<DatabaseSystem> system;
  } cases[] = {
      {"SQLite", kSqlite},
      {"PostgreSQL", kPostgres},
      {"MariaDB", kMariadb},
      {"MySQL", kMariadb},
      {"mysql", kMariadb},
      {"Microsoft SQL Server", std::nullopt},
      {"PostgreSQL 15", std::nullopt},
      {"SQL", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(DatabaseSystemOf(c.dbmsName), c.system) << c.dbmsName;
}

TEST(CommentLine, KeepsAValueOnItsOneLine) {
  EXPECT_EQ(CommentLine("Kasse\n1; DROP TABLE x"), "-- Kasse\\x0A1; DROP TABLE x\n");
  EXPECT_EQ(CommentLine("C:\\x0A \xE4"), "-- C:\\\\x0A \\xE4\n");
}

TEST(ScriptOpening, StartsTheTransactionOnItsLastLine) {
  for (const DatabaseSystem system : {kSqlite, kPostgres, kMariadb}) {
    const std::string opening = ScriptOpening(system);
    const std::string begin = system == kMariadb ? "START TRANSACTION;\n" : "BEGIN;\n";
    EXPECT_TRUE(opening.ends_with("\n" + begin)) << opening;
    EXPECT_EQ(ScriptClosing(system), "COMMIT;\n");
  }
}

}  // namespace
}  // namespace skarvik::check
