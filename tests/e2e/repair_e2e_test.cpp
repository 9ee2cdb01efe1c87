// skarvik-check repair through the real program and the real drivers: a
// database with one row of each kind the import would misread, mended by
// --apply so that the export writes what it left out before; renames that
// would merge keys left to the administrator; an apply that stops whole
// when the database changed or refuses a statement; and the script, run by
// the database's own client, giving the same database as --apply.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "migration.h"

namespace skarvik::testbed {
namespace {

using Json = nlohmann::json;

RunResult Check(Migration& m, const std::vector<std::string>& arguments) {
  return m.tree().runCommand(CheckCommand(m.tree().platform()), arguments);
}

// Plans into repair.sql of the working directory and returns the report.
Json Plan(Migration& m) {
  const RunResult planned =
      Check(m, {"repair", "VKOLD", "--output", "repair.sql", "--format", "json"});
  EXPECT_EQ(planned.exitCode, 0) << planned.output;
  return Json::parse(planned.output);
}

RunResult Apply(Migration& m) {
  return Check(m, {"repair", "VKOLD", "--apply", "repair.sql", "--yes", "--format", "json"});
}

std::vector<std::string> FindingsOf(const Json& list) {
  std::vector<std::string> ids;
  for (const Json& entry : list) ids.push_back(entry["finding"]);
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  return ids;
}

// Every finding id of a check report, once.
std::vector<std::string> ReportedIds(const Json& report) {
  std::vector<std::string> ids;
  for (const Json& section : report["sections"]) {
    for (const Json& finding : section["findings"]) {
      if (finding["severity"] != "info") ids.push_back(finding["id"]);
    }
  }
  return ids;
}

// Every value of every old table, column by column, sorted: what two
// databases must agree in.
std::vector<std::vector<Value>> Contents(Migration& m) {
  std::vector<std::vector<Value>> contents;
  for (const TableDef& table : OldTables()) {
    for (const ColumnDef& column : table.columns) {
      std::vector<Value> values = m.db().column(std::string("SELECT ") + column.name + " FROM " +
                                                m.db().qualified(table.name));
      std::sort(values.begin(), values.end());
      contents.push_back(std::move(values));
    }
  }
  return contents;
}

// A file's terminals, each with the reader lines after it, in any order: a
// server hands out the rows it changed after the others.
std::vector<std::string> Terminals(const std::string& device) {
  std::vector<std::string> blocks;
  for (std::size_t at = 0; at < device.size();) {
    std::size_t end = device.find("\r\nTRM,", at);
    end = end == std::string::npos ? device.size() : end + 2;
    blocks.push_back(device.substr(at, end - at));
    at = end;
  }
  std::sort(blocks.begin(), blocks.end());
  return blocks;
}

// One row of each kind repair mends: a comma, a line feed and a carriage
// return, Windows-1252 and UTF-8 bytes, a key with a blank at its end, a
// communication row and a terminal type that spell their key otherwise.
std::vector<Row> EachMendOnce() {
  return {
      {"Vks1140Trm",
       {{"TrmNam", "T1"},
        {"TrmMod", "1"},
        {"TrmTxt",
         "Nord,S\xFC"
         "d"}}},
      {"Vks1140Com", {{"ComNam", "T1"}}},
      {"Vks401Zls",
       {{"ZlsTrm", "T1"}, {"ZlsLes", "1"}, {"ZlsTxt", "Ein\nAus"}, {"ZlsKtx", "A\rB"}}},
      {"Vks401Zls",
       {{"ZlsTrm", "T1"},
        {"ZlsLes", "2"},
        {"ZlsTxt",
         "K\xC3\xBC"
         "che"}}},
      {"Vks1140Trm", {{"TrmNam", "T2 "}, {"TrmMod", "1"}, {"TrmTxt", "5 \x80"}}},
      {"Vks1140Com", {{"ComNam", "T2 "}}},
      {"Vks401Zls", {{"ZlsTrm", "T2 "}, {"ZlsLes", "1"}}},
      {"Vks1140Trm", {{"TrmNam", "kantine"}, {"TrmMod", "1"}}},
      {"Vks1140Com", {{"ComNam", "KANTINE"}}},
      {"Vks114Tsm", {{"TsmNam", "X"}, {"TsmTyp", "1"}, {"TsmSal", "sal1"}}},
      {"O2101SalTab", {{"TslNam", "SAL1"}}},
  };
}

class RepairRun : public ::testing::TestWithParam<Target> {};

TEST_P(RepairRun, ApplyMendsEachKindAndTheExportWritesWhatItLeftOut) {
  Migration migration(GetParam());
  migration.db().insert(EachMendOnce());
  const Json plan = Plan(migration);
  EXPECT_EQ(FindingsOf(plan["fixes"]),
            std::vector<std::string>({"forecast.near-miss", "hazard.comma", "hazard.control-byte",
                                      "hazard.key-blanks", "hazard.line-feed", "hazard.utf-8"}));
  const RunResult applied = Apply(migration);
  EXPECT_EQ(applied.exitCode, 0) << applied.output;
  EXPECT_EQ(ReportedIds(Json::parse(applied.output)), std::vector<std::string>());
  ASSERT_EQ(migration.run().exitCode, 0);
  const std::string none = ",,,,,,,,,,,,,,,,,\r\n";  // no communication parameters
  const std::string t1 = "TRM,T1,,,,,,,,,,,,,,,,,Nord;S\xFC" "d,,,VKImport,,8316-001" + none +
                         "LESINT,T1,1,,,,,1,1,Ein Aus,A B,,VKImport,\r\n"
                         "LESEXT,T1,2,,,,,1,2,K\xFC" "che,,,VKImport,\r\n";
  const std::string t2 = "TRM,T2,,,,,,,,,,,,,,,,,5 EUR,,,VKImport,,8316-001" + none +
                         "LESINT,T2,1,,,,,1,1,,,,VKImport,\r\n";
  const std::string kantine = "TRM,kantine,,,,,,,,,,,,,,,,,,,,VKImport,,8316-001" + none;
  const std::string x = "TRM,X,,SAL1,,,,,,,,,,,,,,,,,,VKImport(Vks114Tsm),,1" + none;
  EXPECT_EQ(Terminals(migration.tree().workFile("Device.dat")), Terminals(t1 + t2 + kantine + x));
  EXPECT_EQ(migration.tree().workFile("SldKopf.dat"), "SAL1,8316-001,,,,,VKImport,\r\n");
  EXPECT_EQ(Plan(migration)["statements"], 0);
}

// A rename onto a key the table holds already would make two terminals one:
// it is left to the administrator, with nothing planned for it. Nor does
// repair plan on the special data source or write a script nowhere.
TEST_P(RepairRun, ARenameOntoAKeyThatExistsIsLeftToTheAdministrator) {
  Migration migration(GetParam());
  migration.db().insert({{"Vks1140Trm", {{"TrmNam", "A,B"}, {"TrmMod", "1"}}},
                         {"Vks1140Trm", {{"TrmNam", "A;B"}, {"TrmMod", "1"}}}});
  const Json plan = Plan(migration);
  EXPECT_EQ(plan["statements"], 0);
  ASSERT_EQ(plan["templates"].size(), 1u);
  EXPECT_EQ(plan["templates"][0]["finding"], "hazard.comma");
  EXPECT_EQ(plan["templates"][0]["key"], "A,B");
  EXPECT_EQ(Check(migration, {"repair", "KELVARION_VK"}).exitCode, 2);
  EXPECT_EQ(Check(migration, {"repair", "VKOLD", "--format", "json"}).exitCode, 2);
}

// Makes the database refuse every UPDATE of the reader table, as a login
// without the right to change it would.
void RefuseReaderUpdates(Migration& m, Driver driver) {
  switch (driver) {
    case Driver::kSqlite:
      m.db().exec(
          "CREATE TRIGGER KeepZls BEFORE UPDATE ON Vks401Zls BEGIN "
          "SELECT RAISE(ABORT, 'no UPDATE'); END");
      return;
    case Driver::kPostgres:
      m.db().exec(
          "CREATE FUNCTION vksystem.keep_zls() RETURNS trigger LANGUAGE plpgsql AS "
          "$$BEGIN RAISE EXCEPTION 'no UPDATE'; END$$");
      m.db().exec(
          "CREATE TRIGGER keep_zls BEFORE UPDATE ON vksystem.vks401zls "
          "FOR EACH STATEMENT EXECUTE FUNCTION vksystem.keep_zls()");
      return;
    case Driver::kMariadb:
      m.db().exec(
          "CREATE TRIGGER VKSYSTEM.KeepZls BEFORE UPDATE ON VKSYSTEM.Vks401Zls "
          "FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'no UPDATE'");
      return;
  }
}

// Either every statement holds or nothing changed: a row changed since the
// plan stops the apply before it starts, a refused statement rolls back
// the ones before it.
TEST_P(RepairRun, AnApplyThatCannotHoldChangesNothing) {
  struct Case {
    std::string name;
    std::function<void(Migration&)> change;
  } cases[] = {
      {"a row changed since the plan",
       [](Migration& m) {
         m.db().exec("UPDATE " + m.db().qualified("Vks1140Trm") +
                     " SET TrmTxt = 'Nord,Ost' WHERE TrmNam = 'T1'");
       }},
      {"the database refuses an update",
       [&](Migration& m) { RefuseReaderUpdates(m, GetParam().driver); }},
  };
  for (const Case& c : cases) {
    Migration migration(GetParam());
    migration.db().insert(EachMendOnce());
    Plan(migration);
    c.change(migration);
    const std::vector<std::vector<Value>> before = Contents(migration);
    EXPECT_EQ(Apply(migration).exitCode, 2) << c.name;
    EXPECT_EQ(Contents(migration), before) << c.name;
  }
}

// The script, run by the database's own client as its header says, leaves
// the database as --apply does.
TEST_P(RepairRun, TheScriptRunByTheClientGivesTheDatabaseOfApply) {
  std::string script;
  std::vector<std::vector<Value>> byClient;
  {
    Migration migration(GetParam());
    migration.db().insert(EachMendOnce());
    Plan(migration);
    script = migration.tree().workFile("repair.sql");
    const RunResult run = migration.tree().runCommand(migration.db().scriptClient(), {}, script);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    byClient = Contents(migration);
  }
  Migration migration(GetParam());
  migration.db().insert(EachMendOnce());
  WriteFile(migration.tree().workDir() / "repair.sql", script);
  ASSERT_EQ(Apply(migration).exitCode, 0);
  EXPECT_EQ(Contents(migration), byClient);
}

INSTANTIATE_TEST_SUITE_P(Drivers, RepairRun, ::testing::ValuesIn(TestedTargets()),
                         [](const auto& info) { return TargetName(info.param); });

// A key column compared without letter case finds more rows for an old
// value than the plan counted: the count stops the apply, nothing changes.
TEST(RepairCollation, AKeyComparedWithoutLetterCaseIsCaughtByTheRowCount) {
  if (!DriverUnavailable(Driver::kMariadb).empty() || TestedDrivers().size() == 1) {
    GTEST_SKIP() << "needs the MariaDB server";
  }
  Migration migration({.driver = Driver::kMariadb, .platform = Platform::kLinux});
  migration.db().exec(
      "ALTER TABLE VKSYSTEM.Vks1140Trm MODIFY TrmNam VARCHAR(255) "
      "CHARACTER SET latin1 COLLATE latin1_general_ci");
  migration.db().insert({{"Vks1140Trm", {{"TrmNam", "Tor,1"}, {"TrmMod", "1"}}},
                         {"Vks1140Trm", {{"TrmNam", "TOR,1"}, {"TrmMod", "1"}}}});
  EXPECT_EQ(Plan(migration)["statements"], 2);
  const std::vector<std::vector<Value>> before = Contents(migration);
  EXPECT_EQ(Apply(migration).exitCode, 2);
  EXPECT_EQ(Contents(migration), before);
}

}  // namespace
}  // namespace skarvik::testbed
