// The run as a whole: command line, console, run log and exit code, through
// the real binary and the real driver manager.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "migration_tree.h"
#include "sqlite_database.h"

namespace skarvik::testbed {
namespace {

const std::string kStart =
    "\r\n>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>Import Skarvik gestartet:\r\n";
const std::string kEnd =
    "\r\n<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<Import Skarvik beendet:\r\n";
const std::string kConnectFailed = "Datenbankverbindung fehlgeschlagen, Fehler: -1\r\n";
const std::string kConnectFailedLog =
    "Verbinden mit Quell-Datenbank fehlgeschlagen, Fehler: -1\r\n";

class RunTest : public ::testing::TestWithParam<Platform> {
 protected:
  RunTest() : tree_(GetParam()), db_((tree_.root() / "old.db").string()) { db_.createTables(); }

  void declare(const std::string& name) { tree_.declareDataSources(db_.dataSource(name)); }

  MigrationTree tree_;
  SqliteDatabase db_;
};

TEST_P(RunTest, NoArgumentShowsUsageAndTouchesNoLog) {
  const RunResult result = tree_.run({});
  EXPECT_EQ(result.exitCode, 255);
  EXPECT_EQ(result.output,
            "\r\n"
            "******************************************************\r\n"
            "** Projekt     : VELKORANDISTRUP                    **\r\n"
            "** Tool        : Brolandix Kit (Skarvik)            **\r\n"
            "** Beschreibung: Datensaetze aus alten VK holen und **\r\n"
            "**               in Dateien Device.dat, SldKopf.dat **\r\n"
            "**               SldPos.dat, TstKopf.dat, TstPos.dat**\r\n"
            "**               schreiben                          **\r\n"
            "**                                                  **\r\n"
            "******************************************************\r\n"
            "\r\n"
            "Befehlsformat: \r\n"
            "Skarvik.exe  <Odbc-Quelle> [/D] \r\n"
            "   Odbc-Quelle  : Odbc-Verbindung zum alten Velkora \r\n"
            "/D        : DebugFlag, optional, Ausgabe von Meldungen im DOS-Fenster\r\n"
            "\r\n"
            "Parameterfehler");
  EXPECT_FALSE(std::filesystem::exists(tree_.logFile()));
}

TEST_P(RunTest, SpecialDataSourceConnectsWhateverItsLetterCase) {
  for (const std::string name : {"KELVARION_VK", "kelvarion_vk", "Kelvarion_Vk"}) {
    std::filesystem::remove(tree_.logFile());
    declare("KELVARION_VK");
    const RunResult result = tree_.run({name});
    EXPECT_EQ(result.exitCode, 0) << name << ": " << result.output;
    EXPECT_EQ(result.output, "") << name;
    EXPECT_EQ(tree_.log(), kStart + kEnd) << name;
  }
}

TEST_P(RunTest, FailedConnectIsShownAndLoggedAndEndsWith255) {
  const std::string detail =
      "Connect Error: SQLCode: 0 sqlState: IM002 Msg: [unixODBC][Driver Manager]Data source "
      "name not found and no default driver specified\r\n";
  struct Case {
    std::vector<std::string> arguments;
    std::string output;
  } cases[] = {
      {{"NOSUCHSOURCE"}, kConnectFailed},
      {{"NOSUCHSOURCE", "/D"}, detail + kConnectFailed},
      {{"NOSUCHSOURCE", "/d"}, detail + kConnectFailed},
      {{"NOSUCHSOURCE", "/DX"}, kConnectFailed},
      {{"NOSUCHSOURCE", "-D"}, kConnectFailed},
      {{"NOSUCHSOURCE", "/X", "/D"}, kConnectFailed},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(tree_.logFile());
    const RunResult result = tree_.run(c.arguments);
    const std::string name = c.arguments.size() > 1 ? c.arguments[1] : "(none)";
    EXPECT_EQ(result.exitCode, 255) << "option " << name;
    EXPECT_EQ(result.output, c.output) << "option " << name;
    EXPECT_EQ(tree_.log(), kStart + kConnectFailedLog) << "option " << name;
  }
}

TEST_P(RunTest, DatabaseInMissingDirectoryIsAFailedConnect) {
  std::string section = db_.dataSource("GONE", {"NoCreat=1"});
  const std::string file = (tree_.root() / "old.db").string();
  section.replace(section.find(file), file.size(), (tree_.root() / "missing" / "old.db").string());
  tree_.declareDataSources(section);
  const RunResult result = tree_.run({"gone"});
  EXPECT_EQ(result.exitCode, 255);
  EXPECT_EQ(result.output, kConnectFailed);
  EXPECT_EQ(tree_.log(), kStart + kConnectFailedLog);
}

// unixODBC itself takes data source names of at most 32 characters; the
// tool hands on names of up to 40 whole and refuses longer ones itself.
TEST_P(RunTest, DataSourceNameIsPassedWholeUpToFortyCharacters) {
  const std::string longest(32, 'Q');
  declare(longest);
  const RunResult taken = tree_.run({longest});
  EXPECT_EQ(taken.exitCode, 0) << taken.output;
  EXPECT_EQ(taken.output, "");

  const std::string forty(40, 'Q');
  const RunResult passed = tree_.run({forty, "/D"});
  EXPECT_EQ(passed.exitCode, 255);
  EXPECT_EQ(passed.output,
            "Connect Error: SQLCode: 0 sqlState: HY090 Msg: [unixODBC][Driver Manager]Invalid "
            "string or buffer length\r\n" +
                kConnectFailed);

  // A longer name connects to nothing, not even to the default data source
  // that an empty name would reach.
  tree_.declareDataSources(db_.dataSource("Default"));
  std::filesystem::remove(tree_.logFile());
  std::filesystem::remove(tree_.workDir() / "Device.dat");
  const RunResult refused = tree_.run({forty + "Q", "/D"});
  EXPECT_EQ(refused.exitCode, 255);
  EXPECT_EQ(refused.output, "Odbc-Name zu lang!" + kConnectFailed);
  EXPECT_EQ(tree_.log(), kStart + kConnectFailedLog);
  EXPECT_FALSE(std::filesystem::exists(tree_.workDir() / "Device.dat"));
}

TEST_P(RunTest, MissingLogDirectoryDoesNotStopTheRun) {
  std::filesystem::remove_all(tree_.root() / "Kelvarion_php");
  declare("KELVARION_VK");
  const RunResult result = tree_.run({"KELVARION_VK"});
  EXPECT_EQ(result.exitCode, 0) << result.output;
  EXPECT_TRUE(std::filesystem::exists(tree_.workDir() / "Device.dat"));
}

// The log is measured as a whole, what stood in it before the run included:
// the Windows C runtime counted only the bytes of the line written. The
// rotation deletes the old backup and renames the log in its place.
TEST_P(RunTest, LogThatCrossesTenMebibytesInThisRunIsRotatedOverTheOldBackup) {
  const std::filesystem::path backup = tree_.logFile().parent_path() / "Brolandix#Log_bak.txt";
  const std::string full(10 * 1024 * 1024 - 10, 'x');
  WriteFile(tree_.logFile(), full);
  WriteFile(backup, "the backup before\r\n");
  declare("KELVARION_VK");
  const RunResult result = tree_.run({"KELVARION_VK"});
  EXPECT_EQ(result.exitCode, 0) << result.output;
  EXPECT_TRUE(ReadFile(backup) == full + kStart) << "the backup holds the crossing line last";
  EXPECT_EQ(tree_.log(), kEnd);
}

INSTANTIATE_TEST_SUITE_P(Platforms, RunTest, ::testing::ValuesIn(TestedPlatforms()),
                         [](const auto& info) { return PlatformName(info.param); });

}  // namespace
}  // namespace skarvik::testbed
