#include "migration.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <stdexcept>

#include "mariadb_database.h"
#include "postgres_database.h"
#include "sqlite_database.h"

namespace skarvik::testbed {

const std::string kLogStart =
    "\r\n>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>Import Skarvik gestartet:\r\n";
const std::string kLogEnd =
    "\r\n<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<Import Skarvik beendet:\r\n";

std::vector<Driver> TestedDrivers() {
  const char* skip = std::getenv("SKARVIK_SKIP_SERVERS");
  if (skip != nullptr && std::strcmp(skip, "1") == 0) return {Driver::kSqlite};
  return {Driver::kSqlite, Driver::kPostgres, Driver::kMariadb};
}

std::vector<Target> TestedTargets(const std::vector<Driver>& drivers) {
  std::vector<Target> targets;
  for (const Platform platform : TestedPlatforms()) {
    for (const Driver driver : drivers) targets.push_back({driver, platform});
  }
  return targets;
}

std::string TargetName(const Target& target) {
  if (target.platform == Platform::kLinux) return DriverName(target.driver);
  return DriverName(target.driver) + "_" + PlatformName(target.platform);
}

void PrintTo(const Target& target, std::ostream* out) { *out << TargetName(target); }

std::string DriverName(Driver driver) {
  switch (driver) {
    case Driver::kSqlite:
      return "SQLite";
    case Driver::kPostgres:
      return "PostgreSQL";
    case Driver::kMariadb:
      return "MariaDB";
  }
  return "?";
}

std::string DriverUnavailable(Driver driver) {
  std::string why;
  switch (driver) {
    case Driver::kSqlite:
      return "";
    case Driver::kPostgres:
      why = PostgresDatabase::Unavailable();
      break;
    case Driver::kMariadb:
      why = MariadbDatabase::Unavailable();
      break;
  }
  if (why.empty()) return why;
  return why +
         "; run the tests through scripts/test-servers.sh run ..., or set "
         "SKARVIK_SKIP_SERVERS=1 to leave the server drivers out";
}

DriverError MissingTableError(Driver driver, const std::string& table) {
  switch (driver) {
    case Driver::kSqlite:
      return {1, "[SQLite]no such table: " + table + " (1)"};
    case Driver::kPostgres: {
      // Unquoted names fold to lower case; psqlODBC adds a line of its own.
      std::string folded = table;
      for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      return {1, "ERROR: relation \"" + folded +
                     "\" does not exist;\r\nError while executing the query"};
    }
    case Driver::kMariadb:
      // The server names the table with its database, even when the SQL
      // text leaves the database to the data source.
      return {1146, MariadbDatabase::MessagePrefix() + "Table '" +
                        (table.find('.') == std::string::npos ? "VKSYSTEM." + table : table) +
                        "' doesn't exist"};
  }
  return {};
}

namespace {

std::unique_ptr<OldDatabase> MakeDatabase(Driver driver, const MigrationTree& tree) {
  switch (driver) {
    case Driver::kSqlite:
      return std::make_unique<SqliteDatabase>((tree.root() / "old.db").string());
    case Driver::kPostgres:
      return std::make_unique<PostgresDatabase>();
    case Driver::kMariadb:
      return std::make_unique<MariadbDatabase>();
  }
  return nullptr;
}

// A missing server must fail the test, never pass it unseen; an exception
// ends the test at once, before anything runs on a database that is not
// there.
std::unique_ptr<OldDatabase> MakeAvailableDatabase(Driver driver, const MigrationTree& tree) {
  const std::string why = DriverUnavailable(driver);
  if (!why.empty()) throw std::runtime_error(DriverName(driver) + ": " + why);
  return MakeDatabase(driver, tree);
}

}  // namespace

Migration::Migration(const Target& target, const std::string& dbSystem)
    : tree_(target.platform), db_(MakeAvailableDatabase(target.driver, tree_)) {
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

void ExpectExport(const Target& target, const ExportCase& c) {
  SCOPED_TRACE("case " + c.name + " on " + TargetName(target));
  Migration migration(target);
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

ExportCase MakeCase(const std::string& name, std::vector<Row> rows,
                    std::map<std::string, std::optional<std::string>> files,
                    const std::string& log) {
  ExportCase c;
  c.name = name;
  c.rows = std::move(rows);
  c.files = std::move(files);
  c.log = log;
  return c;
}

std::string SkipLine(const std::string& kind, const std::string& name) {
  return kind + " " + name +
         " : keinem Terminal zugeordnet -> nicht \xFC"
         "bernehmen.\r\n";
}

void DropTable(Migration& m, const std::string& table) {
  m.db().exec("DROP TABLE " + m.db().qualified(table));
}

}  // namespace skarvik::testbed
