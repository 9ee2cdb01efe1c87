// The settings file in a real run: the login and the database system come
// enciphered from it, and the database system decides the purge of the
// communication table.
#include <gtest/gtest.h>

#include <filesystem>

#include "migration.h"

namespace skarvik::testbed {
namespace {

class SettingsRun : public ::testing::TestWithParam<Target> {};

TEST_P(SettingsRun, DatabaseSystemOfMicrosoftSqlServerPurgesTheCommunicationTable) {
  struct Case {
    std::string dbSystem;
    bool purged;
  } cases[] = {
      {"mssql", true},   {"SQLServer", true}, {"MSSQL", true},
      {"MSSQLX", false}, {"SQLITE", false},   {"", false},
  };
  for (const Case& c : cases) {
    Migration migration(GetParam(), c.dbSystem);
    migration.db().insert(
        {{"Vks1140Trm", {{"TrmNam", "T1"}, {"TrmMod", "1"}}}, {"Vks1140Com", {{"ComNam", "T1"}}}});
    const RunResult result = migration.run();
    EXPECT_EQ(result.exitCode, 0) << c.dbSystem << ": " << result.output;
    const auto rows =
        migration.db().column("SELECT ComNam FROM " + migration.db().qualified("Vks1140Com"));
    EXPECT_EQ(rows.size(), c.purged ? 0u : 1u) << c.dbSystem;
    // The export reads the table after the purge: a purged terminal has no
    // communication row and so no TRM line.
    EXPECT_EQ(migration.tree().workFile("Device.dat").empty(), c.purged) << c.dbSystem;
  }
}

TEST_P(SettingsRun, MissingSettingsFileConnectsWithEmptyLogin) {
  if (GetParam().driver != Driver::kSqlite) GTEST_SKIP() << "only SQLite takes an empty login";
  Migration migration(GetParam(), "MSSQL");
  std::filesystem::remove(migration.tree().settingsFile());
  migration.db().insert(
      {{"Vks1140Trm", {{"TrmNam", "T1"}, {"TrmMod", "1"}}}, {"Vks1140Com", {{"ComNam", "T1"}}}});
  const RunResult result = migration.run();
  EXPECT_EQ(result.exitCode, 0) << result.output;
  EXPECT_EQ(migration.tree().workFile("Device.dat"),
            "TRM,T1,,,,,,,,,,,,,,,,,,,,VKImport,,8316-001,,,,,,,,,,,,,,,,,\r\n");
}

INSTANTIATE_TEST_SUITE_P(Drivers, SettingsRun, ::testing::ValuesIn(TestedTargets()),
                         [](const auto& info) { return TargetName(info.param); });

}  // namespace
}  // namespace skarvik::testbed
