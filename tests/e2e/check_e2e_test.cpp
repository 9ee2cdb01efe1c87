// skarvik-check through the real program and the real drivers: the
// preflight report of a database that holds each hazard once, the exit code
// at each --fail-on level, and verify after a clean run, after a file was
// edited or cut short, after the database changed and after a purge.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "migration.h"

namespace skarvik::testbed {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// Each hazard once, and each kind of row that will not become a line.
std::vector<Row> EachHazardOnce() {
  return {
      {"Vks1140Trm",
       {{"TrmNam", "T1"},
        {"TrmMod", "1"},
        {"TrmTxt",
         "Nord,S\xFC"
         "d"},
        {"TrmSto", std::string(29, 's') + "tX"}}},
      {"Vks1140Com", {{"ComNam", "T1"}, {"ComIpa", "10.0.0.1"}}},
      {"Vks1140Com", {{"ComNam", "T1"}, {"ComIpa", "10.0.0.2"}}},
      {"Vks1140Trm", {{"TrmNam", "T2 "}, {"TrmMod", "1"}}},
      {"Vks401Zls", {{"ZlsTrm", "T1"}, {"ZlsLes", "1"}, {"ZlsTxt", "Ein\nAus"}}},
      {"Vks401Zls", {{"ZlsTrm", "T1"}, {"ZlsLes", "2"}, {"ZlsKtx", "A\rB"}}},
      {"Vks401Zls", {{"ZlsTrm", "TX"}, {"ZlsLes", "1"}}},
      {"O2101SalTab", {{"TslNam", "S9"}}},
      {"G2101SalLst", {{"TsaSal", "S9"}, {"TsaLfd", "1"}}},
  };
}

RunResult Check(Migration& m, const std::vector<std::string>& arguments) {
  return m.tree().runCommand(CheckCommand(m.tree().platform()), arguments);
}

Json CheckJson(Migration& m, std::vector<std::string> arguments) {
  arguments.insert(arguments.end(), {"--format", "json"});
  return Json::parse(Check(m, arguments).output);
}

const Json& FindingOf(const Json& section, const std::string& id) {
  for (const Json& finding : section["findings"]) {
    if (finding["id"] == id) return finding;
  }
  ADD_FAILURE() << "no finding " << id;
  return section;
}

const Json& SectionOf(const Json& report, const std::string& id) {
  for (const Json& section : report["sections"]) {
    if (section["id"] == id) return section;
  }
  ADD_FAILURE() << "no section " << id;
  return report;
}

// The report without its Source section, whose driver versions and time
// differ from machine to machine.
std::string WithoutSource(const std::string& report) {
  const std::size_t from = report.find("\n1. Source\n");
  const std::size_t to = report.find("\n2. ");
  if (from == std::string::npos || to == std::string::npos) return report;
  return report.substr(0, from) + report.substr(to);
}

std::string SettingsFileShown(Platform platform) {
  return platform == Platform::kWindows ? "..\\..\\Files\\Kelvarion.Ini"
                                        : "../../Files/Kelvarion.Ini";
}

std::string CursorLine(Driver driver) {
  return driver == Driver::kSqlite
             ? "      -> accepted as asked\n"
             : "      -> changed by the driver (01S02), which is fine: the export reads forward "
               "only\n";
}

class CheckRun : public ::testing::TestWithParam<Target> {};

TEST_P(CheckRun, PreflightNamesEachHazardAndEveryRowLeftOut) {
  Migration migration(GetParam());
  migration.db().insert(EachHazardOnce());
  const RunResult result = Check(migration, {"preflight", "VKOLD"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(WithoutSource(result.output),
            "skarvik-check preflight, data source VKOLD\n"
            "\n"
            "0. Where it runs\n"
            "   settings file      " +
                SettingsFileShown(GetParam().platform) +
                " found\n"
                "   LOGIN              found, enciphered\n"
                "   PASS               found, enciphered\n"
                "   DB_SYSTEM          found, enciphered\n"
                "   log directory      ../../Kelvarion_php/log writable\n"
                "   working directory  writable\n"
                "   files replaced     none\n"
                "\n"
                "2. Driver fitness\n"
                "   [info]    passed  a second statement runs while the first still has rows\n"
                "   [info]    passed  the cursor the export asks for\n" +
                CursorLine(GetParam().driver) +
                "   [info]    passed  an ISO-8859-1 byte comes back as the same single byte\n"
                "   [info]    passed  VKSYSTEM.Vks1140Trm answers SQL_Open_TermAlt\n"
                "   [info]    passed  VKSYSTEM.Vks1140Com answers SQL_GetComParm\n"
                "   [info]    passed  VKSYSTEM.Vks401Zls answers SQL_OpenReader\n"
                "   [info]    passed  VKSYSTEM.Vks114Tsm answers SQL_Open_Vks114Tsm\n"
                "   [info]    passed  VKSYSTEM.Vks114Tsm answers SQL_GetTerm\n"
                "   [info]    passed  VKSYSTEM.O2101SalTab answers SQL_Open_SldKopfAlt\n"
                "   [info]    passed  VKSYSTEM.G2101SalLst answers SQL_Open_SldPosAlt\n"
                "   [info]    passed  VKSYSTEM.O2100TastTab answers SQL_Open_TstKopfAlt\n"
                "   [info]    passed  VKSYSTEM.O2108Tta answers SQL_Open_TstPosAlt\n"
                "\n"
                "3. Forecast per file\n"
                "   Device.dat records    3\n"
                "   Device.dat lines      4\n"
                "   SldKopf.dat records   0\n"
                "   SldKopf.dat lines     0\n"
                "   SldPos.dat records    0\n"
                "   SldPos.dat lines      0\n"
                "   TstKopf.dat records   0\n"
                "   TstKopf.dat lines     0\n"
                "   TstPos.dat records    0\n"
                "   TstPos.dat lines      0\n"
                "   rows in Vks1140Trm    2\n"
                "   rows in Vks1140Com    2\n"
                "   rows in Vks401Zls     3\n"
                "   rows in Vks114Tsm     0\n"
                "   rows in O2101SalTab   1\n"
                "   rows in G2101SalLst   1\n"
                "   rows in O2100TastTab  0\n"
                "   rows in O2108Tta      0\n"
                "   [WARNING]      1  second communication rows of a terminal: the first one wins\n"
                "      key \"T1\"\n"
                "   [WARNING]      1  terminals without a communication row: no TRM line, their "
                "readers are still written\n"
                "      Device.dat, key \"T2\"\n"
                "   [WARNING]      1  balance tables that no terminal type names: left out with "
                "their positions\n"
                "      key \"S9\"\n"
                "   [WARNING]      1  readers that no terminal's lookup reaches\n"
                "   [WARNING]      1  balance positions that no exported table's lookup reaches\n"
                "\n"
                "4. Hazards per column\n"
                "   [ERROR]        1  value longer than its field: TrmSto\n"
                "      Device.dat line 1, key \"T1\", TrmSto = \"" +
                std::string(29, 's') +
                "tX\"\n        -> cut to 30 characters: " + std::string(29, 's') +
                "t\n"
                "   [ERROR]        1  comma in TrmTxt\n"
                "      Device.dat line 1, key \"T1\", TrmTxt = \"Nord,S\\xFCd\"\n"
                "        -> 41 fields instead of 40 from field 20 on\n"
                "   [ERROR]        1  line feed in ZlsTxt\n"
                "      Device.dat line 2, key \"T1, 1\", ZlsTxt = \"Ein\\x0AAus\"\n"
                "        -> line split inside field 10\n"
                "   [ERROR]        1  carriage return in ZlsKtx\n"
                "      Device.dat line 4, key \"T1, 2\", ZlsKtx = \"A\\x0DB\"\n"
                "        -> line may split inside field 11\n"
                "   [WARNING]      1  key ending in blanks or tabs: TrmNam\n"
                "      key \"T2\", TrmNam = \"T2 \"\n"
                "        -> looked up as \"T2\": a database that compares blanks exactly finds "
                "nothing for it\n"
                "\n"
                "5. The purge\n"
                "   purge  none: the run deletes nothing\n"
                "\n"
                "preflight: 0 blockers, 4 errors, 6 warnings\n");
}

TEST_P(CheckRun, JsonCarriesTheSameFindingsAsUtf8) {
  Migration migration(GetParam());
  migration.db().insert(EachHazardOnce());
  const Json report = CheckJson(migration, {"preflight", "VKOLD", "--examples", "1"});
  EXPECT_EQ(report["formatVersion"], 1);
  EXPECT_EQ(report["verdict"], Json({{"blockers", 0}, {"errors", 4}, {"warnings", 6}}));
  const Json& comma = FindingOf(SectionOf(report, "hazards"), "hazard.comma");
  EXPECT_EQ(comma["examples"][0]["value"],
            "Nord,S\xC3\xBC"
            "d");
  EXPECT_EQ(comma["examples"][0]["line"], 1);
  // The reader text's line feed makes a fourth line of the three records.
  EXPECT_EQ(SectionOf(report, "forecast")["facts"]["Device.dat records"], 3);
  EXPECT_EQ(SectionOf(report, "forecast")["facts"]["Device.dat lines"], 4);
}

TEST_P(CheckRun, ExitCodeFollowsTheFailOnLevel) {
  struct Case {
    std::string dbSystem;
    std::string failOn;
    int exitCode;
  } cases[] = {
      {"", "blocker", 0},
      {"", "error", 1},
      {"", "warning", 1},
      {"MSSQL", "blocker", 1},  // the purge blocks
  };
  for (const Case& c : cases) {
    Migration migration(GetParam(), c.dbSystem);
    migration.db().insert(EachHazardOnce());
    const RunResult result = Check(migration, {"preflight", "VKOLD", "--fail-on", c.failOn});
    EXPECT_EQ(result.exitCode, c.exitCode) << c.dbSystem << " " << c.failOn;
  }
  Migration unknown(GetParam());
  EXPECT_EQ(Check(unknown, {"preflight", "NOSUCHSOURCE"}).exitCode, 2);
}

// The lines of a clean run of the tool, which each case then spoils.
std::vector<Row> TwoTerminals() {
  return {{"Vks1140Trm", {{"TrmNam", "T1"}, {"TrmMod", "1"}}},
          {"Vks1140Com", {{"ComNam", "T1"}}},
          {"Vks401Zls", {{"ZlsTrm", "T1"}, {"ZlsLes", "1"}}},
          {"Vks1140Trm", {{"TrmNam", "T2"}, {"TrmMod", "2"}}},
          {"Vks1140Com", {{"ComNam", "T2"}}}};
}

TEST_P(CheckRun, VerifyFindsWhatChangedSinceTheRun) {
  struct Case {
    std::string name;
    std::function<void(Migration&)> change;
    std::string deviceSummary;
    int exitCode;
  } cases[] = {
      {"clean run", [](Migration&) {}, "3 equal, 0 different, 0 missing, 0 extra", 0},
      {"database changed",
       [](Migration& m) {
         m.db().insert({"Vks401Zls", {{"ZlsTrm", "T2"}, {"ZlsLes", "1"}}});
       },
       "3 equal, 0 different, 1 missing, 0 extra", 1},
      {"file missing", [](Migration& m) { fs::remove(m.tree().workDir() / "Device.dat"); },
       "missing", 1},
  };
  for (const Case& c : cases) {
    Migration migration(GetParam());
    migration.db().insert(TwoTerminals());
    ASSERT_EQ(migration.run().exitCode, 0) << c.name;
    c.change(migration);
    const Json report = CheckJson(migration, {"verify", "VKOLD"});
    EXPECT_EQ(SectionOf(report, "files")["facts"]["Device.dat"], c.deviceSummary) << c.name;
    EXPECT_EQ(Check(migration, {"verify", "VKOLD"}).exitCode, c.exitCode) << c.name;
  }
}

// The file holds a value's line feed as CR LF, like every line end: verify
// reads the two lines of the file as the one line the export wrote.
TEST_P(CheckRun, VerifyReadsALineSplitByItsValueAsOne) {
  Migration migration(GetParam());
  migration.db().insert(EachHazardOnce());
  ASSERT_EQ(migration.run().exitCode, 0);
  const Json report = CheckJson(migration, {"verify", "VKOLD"});
  EXPECT_EQ(SectionOf(report, "files")["facts"]["Device.dat"],
            "3 equal, 0 different, 0 missing, 0 extra");
  EXPECT_EQ(report["verdict"], Json({{"blockers", 0}, {"errors", 0}, {"warnings", 0}}));
}

// After a purge the first pass's TRM lines cannot be rebuilt: said once,
// not line by line.
TEST_P(CheckRun, VerifyAfterAPurgeSaysSoOnce) {
  Migration migration(GetParam(), "MSSQL");
  migration.db().insert(TwoTerminals());
  ASSERT_EQ(migration.run().exitCode, 0);
  const Json report = CheckJson(migration, {"verify", "VKOLD"});
  const Json& files = SectionOf(report, "files");
  EXPECT_EQ(files["facts"]["Device.dat"], "1 equal, 0 different, 0 missing, 0 extra");
  ASSERT_EQ(files["findings"].size(), 1u);
  EXPECT_EQ(files["findings"][0]["id"], "verify.purged-communication");
  EXPECT_EQ(files["findings"][0]["count"], 2);
  EXPECT_EQ(Check(migration, {"verify", "VKOLD"}).exitCode, 0);
}

// The finding of this id in any section of the report, or null.
const Json* FindingAnywhere(const Json& report, const std::string& id) {
  for (const Json& section : report["sections"]) {
    for (const Json& finding : section["findings"]) {
      if (finding["id"] == id) return &finding;
    }
  }
  return nullptr;
}

// A query that fails is a blocker of its own, with the lines the run log
// would show, and verify does not blame the file for it.
TEST_P(CheckRun, AFailedQueryIsNamedAndItsFileNotCompared) {
  Migration migration(GetParam());
  migration.db().insert(TwoTerminals());
  ASSERT_EQ(migration.run().exitCode, 0);
  migration.db().exec("ALTER TABLE " + migration.db().qualified("Vks401Zls") +
                      " RENAME COLUMN ZlsLes TO ZlsNum");
  for (const std::string command : {"preflight", "verify"}) {
    const Json report = CheckJson(migration, {command, "VKOLD"});
    const Json* failed = FindingAnywhere(report, "source.query-failed");
    ASSERT_NE(failed, nullptr) << command;
    EXPECT_EQ((*failed)["severity"], "blocker") << command;
    EXPECT_EQ((*failed)["title"], "SQL_OpenReader failed") << command;
    EXPECT_EQ((*failed)["count"], 2) << command;  // one lookup per terminal
    const std::string statement = (*failed)["examples"][0]["effect"];
    EXPECT_EQ(statement.rfind("sqlStmt : SELECT  ZlsTrm, ZlsLes,", 0), 0u) << statement;
    EXPECT_EQ(FindingAnywhere(report, "forecast.unreached-readers"), nullptr) << command;
  }
  const Json report = CheckJson(migration, {"verify", "VKOLD"});
  EXPECT_EQ(SectionOf(report, "files")["facts"]["Device.dat"],
            "not compared: SQL_OpenReader failed");
  EXPECT_EQ(FindingAnywhere(report, "verify.extra-lines"), nullptr);
  EXPECT_EQ(Check(migration, {"verify", "VKOLD"}).exitCode, 1);
}


// What the import will misread, one concern per case: its finding once,
// with its count and first example. The test bed's databases all compare
// keys exactly, MariaDB's by its binary collation.
TEST_P(CheckRun, PreflightNamesWhatTheImportWillMisread) {
  struct Case {
    std::string name;
    std::vector<Row> rows;
    std::string id;
    int count;
    std::string key, column, value, effect;
  } cases[] = {
      {"unknown model code",
       {{"Vks1140Trm", {{"TrmNam", "T1"}, {"TrmMod", "99"}}}, {"Vks1140Com", {{"ComNam", "T1"}}}},
       "forecast.unknown-model",
       1,
       "T1",
       "TrmMod",
       "99",
       "written as ???"},
      {"terminal name twice",
       {{"Vks1140Trm", {{"TrmNam", "T1"}, {"TrmMod", "1"}}},
        {"Vks1140Trm", {{"TrmNam", "T1"}, {"TrmMod", "2"}}},
        {"Vks1140Com", {{"ComNam", "T1"}}}},
       "forecast.repeated-key",
       1,
       "T1",
       "",
       "",
       "first at line 1"},
      {"terminal without a name",
       {{"Vks1140Trm", {{"TrmMod", "1"}}}},
       "forecast.empty-key",
       1,
       "",
       "TrmNam",
       "",
       "TrmNam is \"\": its communication row and its readers are looked up by an empty name; "
       "no line is written; the row holds TrmMod = \"1\""},
      {"communication row in other letter case",
       {{"Vks1140Trm", {{"TrmNam", "kantine"}, {"TrmMod", "1"}}},
        {"Vks1140Com", {{"ComNam", "KANTINE"}}}},
       "forecast.near-miss",
       1,
       "kantine",
       "ComNam",
       "KANTINE",
       "differs in letter case: a database that compares exactly finds nothing"},
  };
  for (const Case& c : cases) {
    Migration migration(GetParam());
    migration.db().insert(c.rows);
    const Json report = CheckJson(migration, {"preflight", "VKOLD", "--examples", "1"});
    const Json* finding = FindingAnywhere(report, c.id);
    ASSERT_NE(finding, nullptr) << c.name;
    EXPECT_EQ((*finding)["count"], c.count) << c.name;
    const Json& example = (*finding)["examples"][0];
    EXPECT_EQ(example.value("key", ""), c.key) << c.name;
    EXPECT_EQ(example.value("column", ""), c.column) << c.name;
    EXPECT_EQ(example.value("value", ""), c.value) << c.name;
    EXPECT_EQ(example.value("effect", ""), c.effect) << c.name;
  }
}

// A clean database gives none of them; a value's line feed makes one line
// more than records.
TEST_P(CheckRun, CleanDatabaseGivesNoneAndLinesFollowLineFeeds) {
  Migration migration(GetParam());
  migration.db().insert(TwoTerminals());
  migration.db().insert({"Vks401Zls", {{"ZlsTrm", "T2"}, {"ZlsLes", "1"}, {"ZlsTxt", "a\nb"}}});
  const Json report = CheckJson(migration, {"preflight", "VKOLD"});
  for (const char* id : {"forecast.unknown-model", "forecast.repeated-key", "forecast.empty-key",
                         "forecast.near-miss", "hazard.control-byte", "hazard.utf-8"}) {
    EXPECT_EQ(FindingAnywhere(report, id), nullptr) << id;
  }
  const Json& facts = SectionOf(report, "forecast")["facts"];
  EXPECT_EQ(facts["Device.dat records"], 4);
  EXPECT_EQ(facts["Device.dat lines"], 5);
}

INSTANTIATE_TEST_SUITE_P(Drivers, CheckRun, ::testing::ValuesIn(TestedTargets()),
                         [](const auto& info) { return TargetName(info.param); });

// A data source whose client encoding is UTF-8 hands the server every
// ISO-8859-1 byte converted, whatever the locale of the run: the check of
// the character set fails, and verify compares no file through it, since
// it would find the converted bytes of the files equal to themselves.
TEST(CheckCharacterSet, ConvertingClientEncodingFailsTheCheckAndVerify) {
  if (!DriverUnavailable(Driver::kPostgres).empty() || TestedDrivers().size() == 1) {
    GTEST_SKIP() << "needs the PostgreSQL server";
  }
  Migration migration({.driver = Driver::kPostgres, .platform = Platform::kLinux});
  migration.db().insert(TwoTerminals());
  std::string section = migration.db().dataSource(kOrdinarySource);
  const std::size_t from = section.find("ConnSettings=");
  section.replace(from, section.find('\n', from) - from,
                  "ConnSettings=SET client_encoding TO 'UTF8'");
  migration.tree().declareDataSources(section);
  ASSERT_EQ(migration.run().exitCode, 0);
  for (const std::string command : {"preflight", "verify"}) {
    const Json report = CheckJson(migration, {command, "VKOLD"});
    const Json* fitness = FindingAnywhere(report, "driver.character-set");
    ASSERT_NE(fitness, nullptr) << command;
    EXPECT_EQ((*fitness)["passed"], false) << command;
    EXPECT_EQ((*fitness)["severity"], "blocker") << command;
  }
  const Json report = CheckJson(migration, {"verify", "VKOLD"});
  EXPECT_EQ(SectionOf(report, "files")["facts"]["Device.dat"],
            "not compared: the data source converts texts");
  EXPECT_EQ(Check(migration, {"verify", "VKOLD"}).exitCode, 1);
}

}  // namespace
}  // namespace skarvik::testbed
