// One migration set up for an end-to-end test: a fresh tree, an old
// database on one of the drivers, the ordinary data source "VKOLD" and the
// special one "KELVARION_VK" declared on it, and a settings file holding
// the ordinary source's login, enciphered.
//
// An ExportCase is a test written as data: the rows of the old database and
// the files the run must leave behind, byte for byte. The same cases run on
// every driver of the test bed, once for each platform's program.
#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "migration_tree.h"
#include "old_database.h"

namespace skarvik::testbed {

enum class Driver { kSqlite, kPostgres, kMariadb };

// The drivers this test run covers: all three, unless SKARVIK_SKIP_SERVERS=1
// leaves out the two that need a database server. A server driver whose
// server was not started (scripts/test-servers.sh) fails its tests.
std::vector<Driver> TestedDrivers();
std::string DriverName(Driver driver);
// Why the driver's database cannot be used in this run, "" when it can.
std::string DriverUnavailable(Driver driver);

// What a case runs on: the old database's driver and the program's
// platform. The end-to-end tests are instantiated over TestedTargets().
struct Target {
  Driver driver;
  Platform platform;
};
// Every tested platform with each of drivers.
std::vector<Target> TestedTargets(const std::vector<Driver>& drivers = TestedDrivers());
// "SQLite" for Linux, "SQLite_Win64" for Windows: the Linux cases keep
// their names.
std::string TargetName(const Target& target);
void PrintTo(const Target& target, std::ostream* out);

// How a driver reports a table that is not there, as a failure line of the
// run log shows it: "ERROR: <native>, <message>". table is written as the
// SQL text writes it, "VKSYSTEM.Vks1140Trm" or "Vks1140Trm". The message is
// the driver's own, so it differs from driver to driver; PostgreSQL's runs
// over two lines.
struct DriverError {
  long native;
  std::string message;
};
DriverError MissingTableError(Driver driver, const std::string& table);

inline constexpr char kOrdinarySource[] = "VKOLD";
inline constexpr char kSpecialSource[] = "KELVARION_VK";

class Migration {
 public:
  explicit Migration(const Target& target, const std::string& dbSystem = "");

  MigrationTree& tree() { return tree_; }
  OldDatabase& db() { return *db_; }
  // Declares the two sources again, with extra driver options on both.
  void declareSources(const std::vector<std::string>& options);
  RunResult run(const std::string& source = kOrdinarySource) { return tree_.run({source}); }

 private:
  MigrationTree tree_;
  std::unique_ptr<OldDatabase> db_;
};

struct ExportCase {
  std::string name;
  std::vector<Row> rows;
  // File name → expected bytes; a file mapped to nullopt must not exist.
  std::map<std::string, std::optional<std::string>> files;
  std::string source = kOrdinarySource;
  // The run log between the start and end lines, when the case says.
  std::optional<std::string> log;
  int exitCode = 0;
  std::string output;
  std::vector<std::string> driverOptions;
  // Runs after the rows are in: faults, views, files in the way.
  std::function<void(Migration&)> prepare;
};

// A case of rows and expected files, the rest left at their defaults.
ExportCase MakeCase(const std::string& name, std::vector<Row> rows,
                    std::map<std::string, std::optional<std::string>> files,
                    const std::string& log = "");

// The log line of a table that no terminal type uses, its CR LF included:
// kind is "Saldotab." or "Tasttab.".
std::string SkipLine(const std::string& kind, const std::string& name);

void DropTable(Migration& m, const std::string& table);

// Runs the case on a fresh migration and checks every expectation.
void ExpectExport(const Target& target, const ExportCase& c);

// The start and end lines of the run log.
extern const std::string kLogStart;
extern const std::string kLogEnd;

}  // namespace skarvik::testbed
