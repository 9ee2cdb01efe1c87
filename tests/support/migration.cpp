#include "migration.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "sqlite_database.h"

namespace skarvik::testbed {

const std::string kLogStart =
    "\r\n>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>Import Skarvik gestartet:\r\n";
const std::string kLogEnd =
    "\r\n<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<Import Skarvik beendet:\r\n";

std::vector<Driver> TestedDrivers() { return {Driver::kSqlite}; }

std::string DriverName(Driver driver) {
  switch (driver) {
    case Driver::kSqlite:
      return "SQLite";
  }
  return "?";
}

namespace {

std::unique_ptr<OldDatabase> MakeDatabase(Driver driver, const MigrationTree& tree) {
  switch (driver) {
    case Driver::kSqlite:
      return std::make_unique<SqliteDatabase>((tree.root() / "old.db").string());
  }
  return nullptr;
}

}  // namespace

Migration::Migration(Driver driver, const std::string& dbSystem)
    : db_(MakeDatabase(driver, tree_)) {
  db_->createTables();
  declareSources({});
  const Login login = db_->login();
  tree_.writeSettings(SettingsEntry(tree_, "LOGIN", login.user) +
                      SettingsEntry(tree_, "PASS", login.password) +
                      SettingsEntry(tree_, "DB_SYSTEM", dbSystem));
}

void Migration::declareSources(const std::vector<std::string>& options) {
  tree_.declareDataSources(db_->dataSource(kOrdinarySource, options) + "\n" +
                           db_->dataSource(kSpecialSource, options));
}

void ExpectExport(Driver driver, const ExportCase& c) {
  SCOPED_TRACE("case " + c.name + " on " + DriverName(driver));
  Migration migration(driver);
  if (!c.driverOptions.empty()) migration.declareSources(c.driverOptions);
  migration.db().insert(c.rows);
  if (c.prepare) c.prepare(migration);
  const RunResult result = migration.run(c.source);
  EXPECT_EQ(result.exitCode, c.exitCode);
  EXPECT_EQ(result.output, c.output);
  for (const auto& [name, expected] : c.files) {
    const std::filesystem::path path = migration.tree().workDir() / name;
    if (!expected) {
      EXPECT_FALSE(std::filesystem::exists(path)) << name;
      continue;
    }
    EXPECT_TRUE(std::filesystem::exists(path)) << name;
    EXPECT_EQ(ReadFile(path), *expected) << name;
  }
  if (c.log) {
    EXPECT_EQ(migration.tree().log(), kLogStart + *c.log + kLogEnd);
  }
}

}  // namespace skarvik::testbed
