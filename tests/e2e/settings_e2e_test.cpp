// The settings file in a real run: the login and the database system come
// enciphered from it, and the database system decides the purge of the
// communication table.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "mariadb_database.h"
#include "migration.h"

namespace skarvik::testbed {
namespace {

class SettingsRun : public ::testing::TestWithParam<Target> {};

const std::string kTrmT1 = "TRM,T1,,,,,,,,,,,,,,,,,,,,VKImport,,8316-001,,,,,,,,,,,,,,,,,\r\n";

std::vector<Row> TerminalWithCommunicationRow() {
  return {{"Vks1140Trm", {{"TrmNam", "T1"}, {"TrmMod", "1"}}}, {"Vks1140Com", {{"ComNam", "T1"}}}};
}

std::size_t CommunicationRows(Migration& m) {
  return m.db().column("SELECT ComNam FROM " + m.db().qualified("Vks1140Com")).size();
}

TEST_P(SettingsRun, DatabaseSystemOfMicrosoftSqlServerPurgesTheCommunicationTableOnceRead) {
  struct Case {
    std::string dbSystem;
    bool purged;
  } cases[] = {{"mssql", true}, {"SQLITE", false}};
  for (const Case& c : cases) {
    Migration migration(GetParam(), c.dbSystem);
    migration.db().insert(TerminalWithCommunicationRow());
    const RunResult result = migration.run();
    EXPECT_EQ(result.exitCode, 0) << c.dbSystem << ": " << result.output;
    EXPECT_EQ(CommunicationRows(migration), c.purged ? 0u : 1u) << c.dbSystem;
    // The device export read the table before it was emptied.
    EXPECT_EQ(migration.tree().workFile("Device.dat"), kTrmT1) << c.dbSystem;
  }
}

// Only a whole Device.dat holds what the purge deletes: a query failure
// during the device export, or a Device.dat that cannot be written, leaves
// the communication table as it was.
TEST_P(SettingsRun, PurgeWaitsForAWholeDeviceExport) {
  struct Case {
    std::string name;
    std::function<void(Migration&)> fault;
    int exitCode;
  } cases[] = {
      {"reader table missing", [](Migration& m) { DropTable(m, "Vks401Zls"); }, 1},
      {"Device.dat a directory",
       [](Migration& m) { std::filesystem::create_directory(m.tree().workDir() / "Device.dat"); },
       90},
  };
  for (const Case& c : cases) {
    Migration migration(GetParam(), "MSSQL");
    migration.db().insert(TerminalWithCommunicationRow());
    c.fault(migration);
    const RunResult result = migration.run();
    EXPECT_EQ(result.exitCode, c.exitCode) << c.name << ": " << result.output;
    EXPECT_EQ(CommunicationRows(migration), 1u) << c.name;
  }
}

// Makes every DELETE on the communication table fail, each database in its
// own way, and gives the failure line it leaves in the run log.
std::string RefuseDeletes(Migration& m, Driver driver) {
  switch (driver) {
    case Driver::kSqlite:
      m.db().exec(
          "CREATE TRIGGER KeepCom BEFORE DELETE ON Vks1140Com BEGIN SELECT RAISE(ABORT, 'kept'); "
          "END");
      return "ERROR: 19, [SQLite]kept (19)";
    case Driver::kPostgres:
      m.db().exec(
          "CREATE FUNCTION vksystem.keep_com() RETURNS trigger LANGUAGE plpgsql AS "
          "$$BEGIN RAISE EXCEPTION 'kept'; END$$");
      m.db().exec(
          "CREATE TRIGGER keep_com BEFORE DELETE ON vksystem.vks1140com "
          "FOR EACH STATEMENT EXECUTE FUNCTION vksystem.keep_com()");
      return "ERROR: 1, ERROR: kept;\r\nError while executing the query";
    case Driver::kMariadb:
      m.db().exec(
          "CREATE TRIGGER VKSYSTEM.KeepCom BEFORE DELETE ON VKSYSTEM.Vks1140Com "
          "FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'kept'");
      return "ERROR: 1644, " + MariadbDatabase::MessagePrefix() + "kept";
  }
  return "";
}

TEST_P(SettingsRun, FailedPurgeIsLoggedAndEndsWith1) {
  Migration migration(GetParam(), "SQLSERVER");
  migration.db().insert(TerminalWithCommunicationRow());
  const std::string error = RefuseDeletes(migration, GetParam().driver);
  const RunResult result = migration.run();
  EXPECT_EQ(result.exitCode, 1) << result.output;
  EXPECT_EQ(CommunicationRows(migration), 1u);
  EXPECT_EQ(migration.tree().log(), kLogStart + "     SQL_DeleteComParm, " + error +
                                        "\r\n     sqlStmt : DELETE FROM VKSYSTEM.Vks1140Com\r\n" +
                                        kLogEnd);
}

TEST_P(SettingsRun, MissingSettingsFileConnectsWithEmptyLogin) {
  if (GetParam().driver != Driver::kSqlite) GTEST_SKIP() << "only SQLite takes an empty login";
  Migration migration(GetParam(), "MSSQL");
  std::filesystem::remove(migration.tree().settingsFile());
  migration.db().insert(TerminalWithCommunicationRow());
  const RunResult result = migration.run();
  EXPECT_EQ(result.exitCode, 0) << result.output;
  EXPECT_EQ(migration.tree().workFile("Device.dat"), kTrmT1);
}

INSTANTIATE_TEST_SUITE_P(Drivers, SettingsRun, ::testing::ValuesIn(TestedTargets()),
                         [](const auto& info) { return TargetName(info.param); });

}  // namespace
}  // namespace skarvik::testbed
