// Faults swept through a whole run on the real driver: every cursor failing
// at the first, a middle and the last row of its table, every output file
// that cannot be created or written, and the password of the settings file,
// which no run may show in any form.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "logged_sql.h"
#include "migration.h"

namespace skarvik::testbed {
namespace {

namespace fs = std::filesystem;

// Three rows in every table, so that a fault can hit the first, a middle and
// the last. Terminal T2 has no readers, T1 two; the same pattern repeats for
// the positions of the balance and key tables.
std::vector<Row> ThreeOfEach() {
  std::vector<Row> rows;
  for (const std::string n : {"1", "2", "3"}) {
    rows.push_back({"Vks1140Trm", {{"TrmNam", "T" + n}, {"TrmMod", "1"}}});
    rows.push_back({"Vks1140Com", {{"ComNam", "T" + n}}});
    rows.push_back(
        {"Vks114Tsm",
         {{"TsmNam", "TYP" + n}, {"TsmTyp", "30"}, {"TsmTas", "K" + n}, {"TsmSal", "S" + n}}});
    rows.push_back({"O2101SalTab", {{"TslNam", "S" + n}}});
    rows.push_back({"O2100TastTab", {{"TttNam", "K" + n}}});
  }
  for (const auto& [parent, n] : {std::pair{"1", "1"}, {"1", "2"}, {"3", "1"}}) {
    rows.push_back({"Vks401Zls", {{"ZlsTrm", std::string("T") + parent}, {"ZlsLes", n}}});
    rows.push_back({"G2101SalLst", {{"TsaSal", std::string("S") + parent}, {"TsaLfd", n}}});
    rows.push_back({"O2108Tta", {{"TtaNum", std::string("K") + parent}, {"TtaPos", n}}});
  }
  return rows;
}

// The lines of ThreeOfEach().
std::string Trm(const std::string& name) {
  return "TRM," + name + ",,,,,,,,,,,,,,,,,,,,VKImport,,8316-001,,,,,,,,,,,,,,,,,\r\n";
}
std::string Reader(const std::string& kind, const std::string& terminal, const std::string& n) {
  return kind + "," + terminal + "," + n + ",,,,,1," + n + ",,,,VKImport,\r\n";
}
std::string TypeTrm(const std::string& n) {
  return "TRM,TYP" + n + ",K" + n + ",S" + n +
         ",,,,,,,,,,,,,,,,,,VKImport(Vks114Tsm),,30,,,,,,,,,,,,,,,,,\r\n";
}
std::string BalanceHeader(const std::string& name) { return name + ",8373-001,,,,,VKImport,\r\n"; }
std::string BalancePosition(const std::string& table, const std::string& n) {
  return table + "," + n + ",,,,,VKImport,,,,\r\n";
}
std::string KeyHeader(const std::string& name) {
  return name + ",,,,VKImport,,1,,," + name + ",,,\r\n";
}
std::string KeyPosition(const std::string& table, const std::string& n) {
  return table + ",,,,," + n + ",,,,,VKImport,,,,,,,,,,,,,," + n + ",0,\r\n";
}

const std::string kT1 = Trm("T1") + Reader("LESINT", "T1", "1") + Reader("LESEXT", "T1", "2");
const std::string kT2 = Trm("T2");
const std::string kT3 = Trm("T3") + Reader("LESINT", "T3", "1");
const std::string kTypes = TypeTrm("1") + TypeTrm("2") + TypeTrm("3");
const std::string kS1 = BalanceHeader("S1");
const std::string kS1Positions = BalancePosition("S1", "1") + BalancePosition("S1", "2");
const std::string kK1Positions = KeyPosition("K1", "1") + KeyPosition("K1", "2");

using Files = std::map<std::string, std::optional<std::string>>;

const Files kUntouched = {
    {"Device.dat", kT1 + kT2 + kT3 + kTypes},
    {"SldKopf.dat", kS1 + BalanceHeader("S2") + BalanceHeader("S3")},
    {"SldPos.dat", kS1Positions + BalancePosition("S3", "1")},
    {"TstKopf.dat", KeyHeader("K1") + KeyHeader("K2") + KeyHeader("K3")},
    {"TstPos.dat", kK1Positions + KeyPosition("K3", "1")},
};

Files With(Files changed) {
  Files files = kUntouched;
  for (auto& [name, content] : changed) files[name] = std::move(content);
  return files;
}

// The two lines of a query that failed on the overflow of FailAt().
std::string Failed(const std::string& tag, const std::string& number, const std::string& sql) {
  return "     " + tag + ", ERROR: " + number + ", [SQLite]integer overflow (1)\r\n" +
         "     sqlStmt : " + sql + "\r\n";
}

// Puts a view in place of the table whose column overflows in the row with
// the given rowid. SQLite steps a view row by row only with StepAPI=1, so
// the fault surfaces in the fetch of that row, not in the open.
void FailAt(Migration& m, const std::string& table, const std::string& column, int row) {
  std::string columns;
  for (const TableDef& def : OldTables()) {
    if (def.name != table) continue;
    for (const ColumnDef& c : def.columns) {
      const std::string name = c.name;
      columns +=
          (columns.empty() ? "" : ", ") +
          (name == column ? "CASE WHEN rowid = " + std::to_string(row) +
                                " THEN abs(-9223372036854775807-1) ELSE " + name + " END AS " + name
                          : name);
    }
  }
  m.db().exec("ALTER TABLE " + table + " RENAME TO " + table + "Rows");
  m.db().exec("CREATE VIEW " + table + " AS SELECT " + columns + " FROM " + table + "Rows");
}

// A run over ThreeOfEach() with the files and the log it must leave; the
// caller sets the rest.
ExportCase SweepCase(std::string name, Files files, std::string log) {
  ExportCase c;
  c.name = std::move(name);
  c.rows = ThreeOfEach();
  c.files = std::move(files);
  c.log = std::move(log);
  return c;
}

// Where the fault sits: the table behind the view and the column that
// overflows.
struct Faulty {
  const char* table;
  const char* column;
};

// Never a column a query filters on, so that a keyed query fails only when
// it reaches the faulty row itself.
constexpr Faulty kTerminals{"Vks1140Trm", "TrmTxt"};
constexpr Faulty kCommunication{"Vks1140Com", "ComIpa"};
constexpr Faulty kReaders{"Vks401Zls", "ZlsZko"};
constexpr Faulty kTypeTable{"Vks114Tsm", "TsmTxt"};   // not read by the lookup
constexpr Faulty kAssignment{"Vks114Tsm", "TsmTyp"};  // read by the lookup and the pass
constexpr Faulty kBalanceHeaders{"O2101SalTab", "TslDau"};
constexpr Faulty kBalancePositions{"G2101SalLst", "TsaAnz"};
constexpr Faulty kKeyHeaders{"O2100TastTab", "TttTxt"};
constexpr Faulty kKeyPositions{"O2108Tta", "TtaMnu"};

struct CursorFault {
  Faulty where;
  int row;
  Files changed;  // the other files are as without the fault
  std::string log;
};

void ExpectCursorFaults(const Target& target, const std::vector<CursorFault>& faults) {
  for (const CursorFault& f : faults) {
    const std::string name =
        std::string(f.where.table) + "." + f.where.column + " in row " + std::to_string(f.row);
    ExportCase c = SweepCase(name, With(f.changed), f.log);
    c.exitCode = 1;
    c.driverOptions = {"StepAPI=1"};
    c.prepare = [f](Migration& m) { FailAt(m, f.where.table, f.where.column, f.row); };
    ExpectExport(target, c);
  }
}

// The failing view is SQLite's; the cursor faults run on SQLite only.
class CursorFaults : public ::testing::TestWithParam<Target> {};

TEST_P(CursorFaults, RunWithoutFaultWritesEveryRow) {
  ExportCase c = SweepCase("no fault", kUntouched, "");
  c.driverOptions = {"StepAPI=1"};
  ExpectExport(GetParam(), c);
}

// SQLite's driver steps one statement at a time: a statement opened while
// another is being stepped reads all its rows at once, so a fault in any row
// of a nested query fails its open, with the open's number, and the lines of
// that one terminal or table go. Only the outer cursors fail in a fetch. A
// terminal whose communication row fails loses its TRM line only.
TEST_P(CursorFaults, DeviceCursorFailingAtARowKeepsTheLinesBeforeAndTheRunGoesOn) {
  const std::string fetchTerminal = Failed("SQL_Fetch_TermAlt", "-1", kTerminalSql);
  const std::string fetchType = Failed("SQL_Fetch_Vks114Tsm", "-1", kTypeSql);
  const std::string readersOfT1 = Reader("LESINT", "T1", "1") + Reader("LESEXT", "T1", "2");
  const std::vector<CursorFault> faults = {
      {kTerminals, 1, {{"Device.dat", kTypes}}, fetchTerminal},
      {kTerminals, 2, {{"Device.dat", kT1 + kTypes}}, fetchTerminal},
      {kTerminals, 3, {{"Device.dat", kT1 + kT2 + kTypes}}, fetchTerminal},
      {kCommunication,
       1,
       {{"Device.dat", readersOfT1 + kT2 + kT3 + kTypes}},
       Failed("SQL_GetComParm", "1", ComSql("T1"))},
      {kCommunication,
       2,
       {{"Device.dat", kT1 + kT3 + kTypes}},
       Failed("SQL_GetComParm", "1", ComSql("T2"))},
      {kCommunication,
       3,
       {{"Device.dat", kT1 + kT2 + Reader("LESINT", "T3", "1") + kTypes}},
       Failed("SQL_GetComParm", "1", ComSql("T3"))},
      {kReaders,
       1,
       {{"Device.dat", Trm("T1") + kT2 + kT3 + kTypes}},
       Failed("SQL_OpenReader", "1", ReaderSql("T1"))},
      {kReaders,
       2,
       {{"Device.dat", Trm("T1") + kT2 + kT3 + kTypes}},
       Failed("SQL_OpenReader", "1", ReaderSql("T1"))},
      {kReaders,
       3,
       {{"Device.dat", kT1 + kT2 + Trm("T3") + kTypes}},
       Failed("SQL_OpenReader", "1", ReaderSql("T3"))},
      {kTypeTable, 1, {{"Device.dat", kT1 + kT2 + kT3}}, fetchType},
      {kTypeTable, 2, {{"Device.dat", kT1 + kT2 + kT3 + TypeTrm("1")}}, fetchType},
      {kTypeTable, 3, {{"Device.dat", kT1 + kT2 + kT3 + TypeTrm("1") + TypeTrm("2")}}, fetchType},
  };
  ExpectCursorFaults(GetParam(), faults);
}

// The lookup reads TsmTyp, which the type table's pass reads as well: the
// pass stops at the faulty row, and the balance and key table that row names
// are left out.
std::vector<CursorFault> AssignmentFaults() {
  std::vector<CursorFault> faults;
  const std::string s1 = BalanceHeader("S1"), s2 = BalanceHeader("S2"), s3 = BalanceHeader("S3");
  const std::string k1 = KeyHeader("K1"), k2 = KeyHeader("K2"), k3 = KeyHeader("K3");
  const std::string s3Positions = BalancePosition("S3", "1");
  const std::string k3Positions = KeyPosition("K3", "1");
  const std::string devices = kT1 + kT2 + kT3;
  const struct {
    int row;
    std::string types, balanceHeaders, balancePositions, keyHeaders, keyPositions;
  } rows[] = {
      {1, "", s2 + s3, s3Positions, k2 + k3, k3Positions},
      {2, TypeTrm("1"), s1 + s3, kS1Positions + s3Positions, k1 + k3, kK1Positions + k3Positions},
      {3, TypeTrm("1") + TypeTrm("2"), s1 + s2, kS1Positions, k1 + k2, kK1Positions},
  };
  for (const auto& r : rows) {
    const std::string n = std::to_string(r.row);
    faults.push_back({kAssignment,
                      r.row,
                      {{"Device.dat", devices + r.types},
                       {"SldKopf.dat", r.balanceHeaders},
                       {"SldPos.dat", r.balancePositions},
                       {"TstKopf.dat", r.keyHeaders},
                       {"TstPos.dat", r.keyPositions}},
                      Failed("SQL_Fetch_Vks114Tsm", "-1", kTypeSql) +
                          Failed("SQL_GetTerm", "-1", AssignmentSql("TsmSal", "S" + n)) +
                          SkipLine("Saldotab.", "S" + n) +
                          Failed("SQL_GetTerm", "-1", AssignmentSql("TsmTas", "K" + n)) +
                          SkipLine("Tasttab.", "K" + n)});
  }
  return faults;
}

TEST_P(CursorFaults, TerminalAssignmentFailingAtARowLeavesOutTheTablesOfThatRow) {
  ExpectCursorFaults(GetParam(), AssignmentFaults());
}

TEST_P(CursorFaults, BalanceCursorFailingAtARowKeepsTheLinesBeforeAndTheRunGoesOn) {
  const std::string fetchHeader = Failed("SQL_Fetch_SldKopfAlt", "-1", kBalanceHeaderSql);
  const std::string s3Positions = BalancePosition("S3", "1");
  const std::vector<CursorFault> faults = {
      {kBalanceHeaders, 1, {{"SldKopf.dat", ""}, {"SldPos.dat", ""}}, fetchHeader},
      {kBalanceHeaders, 2, {{"SldKopf.dat", kS1}, {"SldPos.dat", kS1Positions}}, fetchHeader},
      {kBalanceHeaders,
       3,
       {{"SldKopf.dat", kS1 + BalanceHeader("S2")}, {"SldPos.dat", kS1Positions}},
       fetchHeader},
      {kBalancePositions,
       1,
       {{"SldPos.dat", s3Positions}},
       Failed("SQL_Open_SldPosAlt", "-1", BalancePositionSql("S1"))},
      {kBalancePositions,
       2,
       {{"SldPos.dat", s3Positions}},
       Failed("SQL_Open_SldPosAlt", "-1", BalancePositionSql("S1"))},
      {kBalancePositions,
       3,
       {{"SldPos.dat", kS1Positions}},
       Failed("SQL_Open_SldPosAlt", "-1", BalancePositionSql("S3"))},
  };
  ExpectCursorFaults(GetParam(), faults);
}

TEST_P(CursorFaults, KeyCursorFailingAtARowKeepsTheLinesBeforeAndTheRunGoesOn) {
  const std::string fetchHeader = Failed("SQL_Fetch_TstKopfAlt", "-1", kKeyHeaderSql);
  const std::string k1 = KeyHeader("K1");
  const std::string k3Positions = KeyPosition("K3", "1");
  const std::vector<CursorFault> faults = {
      {kKeyHeaders, 1, {{"TstKopf.dat", ""}, {"TstPos.dat", ""}}, fetchHeader},
      {kKeyHeaders, 2, {{"TstKopf.dat", k1}, {"TstPos.dat", kK1Positions}}, fetchHeader},
      {kKeyHeaders,
       3,
       {{"TstKopf.dat", k1 + KeyHeader("K2")}, {"TstPos.dat", kK1Positions}},
       fetchHeader},
      {kKeyPositions,
       1,
       {{"TstPos.dat", k3Positions}},
       Failed("SQL_Open_TstPosAlt", "-1", KeyPositionSql("K1"))},
      {kKeyPositions,
       2,
       {{"TstPos.dat", k3Positions}},
       Failed("SQL_Open_TstPosAlt", "-1", KeyPositionSql("K1"))},
      {kKeyPositions,
       3,
       {{"TstPos.dat", kK1Positions}},
       Failed("SQL_Open_TstPosAlt", "-1", KeyPositionSql("K3"))},
  };
  ExpectCursorFaults(GetParam(), faults);
}

class OutputFileFaults : public ::testing::TestWithParam<Target> {};

// A directory of the file's name cannot be opened for writing; /dev/full
// takes the open but fails the writes.
TEST_P(OutputFileFaults, OutputFileThatFailsIsNamedOnTheConsoleAndTheOtherFilesAreComplete) {
  const struct {
    std::string file;
    std::string word;
    Files notCreated;  // what else changes when it cannot be created
  } outputs[] = {
      {"Device.dat", "Terminals", {}},
      // The partner of a header file is not even created; a header file
      // whose partner cannot be created stays empty.
      {"SldKopf.dat", "SaldoKopfsatz", {{"SldPos.dat", std::nullopt}}},
      {"SldPos.dat", "SaldoPostensatz", {{"SldKopf.dat", ""}}},
      {"TstKopf.dat", "TstTabKopfsatz", {{"TstPos.dat", std::nullopt}}},
      {"TstPos.dat", "TstTabPostensatz", {{"TstKopf.dat", ""}}},
  };
  for (const auto& o : outputs) {
    for (const bool full : {false, true}) {
      Files files = full ? kUntouched : With(o.notCreated);
      files.erase(o.file);  // a directory or an endless device now
      const fs::path blocked = o.file;
      ExportCase c = SweepCase(o.file + (full ? " on a full disk" : " is a directory"), files, "");
      c.exitCode = 90;
      c.output = std::string(full ? "Schreiben" : "Erzeugen") + " der Tempor\xE4rdatei (" + o.word +
                 ") fehlgeschlagen\r\n";
      c.prepare = [blocked, full](Migration& m) {
        const fs::path path = m.tree().workDir() / blocked;
        if (full) {
          fs::create_symlink("/dev/full", path);
        } else {
          fs::create_directory(path);
        }
      };
      ExpectExport(GetParam(), c);
    }
  }
}

// SQLite takes any login, so a run connects whatever the password is.
class PasswordSecrecy : public ::testing::TestWithParam<Target> {};

const std::string kPassword = "Zq7!distinctive-Passw0rd#2026";

// The settings file of the run, with kPassword as the password.
void WriteLoginWithPassword(Migration& m) {
  const MigrationTree& tree = m.tree();
  m.tree().writeSettings(SettingsEntry(tree, "LOGIN", "migration") +
                         SettingsEntry(tree, "PASS", kPassword) +
                         SettingsEntry(tree, "DB_SYSTEM", ""));
}

// Every form in which the password could leak: plain, enciphered, and each
// enciphered block on its own, since the blocks are enciphered one by one.
std::vector<std::string> PasswordForms(const MigrationTree& tree) {
  const RunResult hex = tree.runProgram(SKARVIK_CIPHER_BINARY, {"encrypt", kPassword});
  EXPECT_EQ(hex.exitCode, 0) << hex.output;
  const std::string digits = hex.output.substr(0, hex.output.find_first_of("\r\n"));
  EXPECT_EQ(digits.size(), 64u) << digits;
  EXPECT_NE(ReadFile(tree.settingsFile()).find(digits), std::string::npos)
      << "the settings file does not hold the password as enciphered here";
  std::vector<std::string> forms = {kPassword, digits};
  for (std::size_t i = 0; i + 16 <= digits.size(); i += 16) forms.push_back(digits.substr(i, 16));
  return forms;
}

// Standard output, the run log (and its backup) and every file of the
// working directory.
void ExpectPasswordNowhere(Migration& m, const RunResult& result,
                           const std::vector<std::string>& forms) {
  std::map<std::string, std::string> shown = {{"standard output", result.output}};
  for (const fs::path& dir : {m.tree().workDir(), m.tree().logFile().parent_path()}) {
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(dir)) {
      if (e.is_regular_file() && !e.is_symlink()) shown[e.path().string()] = ReadFile(e.path());
    }
  }
  EXPECT_NE(shown.size(), 1u) << "the run left no files to look into";
  for (const auto& [where, text] : shown) {
    for (const std::string& form : forms) {
      EXPECT_EQ(text.find(form), std::string::npos) << form << " shown in " << where;
    }
  }
}

TEST_P(PasswordSecrecy, PasswordIsShownNowhereInARunWithFailedQueries) {
  Migration m(GetParam());
  WriteLoginWithPassword(m);
  m.db().insert(ThreeOfEach());
  m.db().exec("DROP TABLE G2101SalLst");
  const RunResult result = m.run();
  EXPECT_EQ(result.exitCode, 1) << result.output;
  ExpectPasswordNowhere(m, result, PasswordForms(m.tree()));
}

// The driver's message of a failed connection goes to the console with /D.
TEST_P(PasswordSecrecy, PasswordIsShownNowhereWhenTheConnectionFailsWithDriverMessages) {
  const struct {
    std::string name;
    std::string source;
    std::string section;
  } failures[] = {
      {"database in a missing directory", kOrdinarySource,
       std::string("[") + kOrdinarySource +
           "]\nDriver=" SKARVIK_SQLITE_ODBC_DRIVER
           "\nDatabase=/nonexistent-skarvik-dir/old.db\nNoCreat=1\n"},
      {"unknown data source", "NOSUCHSOURCE", ""},
  };
  for (const auto& f : failures) {
    SCOPED_TRACE(f.name);
    Migration m(GetParam());
    WriteLoginWithPassword(m);
    m.tree().declareDataSources(f.section);
    const RunResult result = m.tree().run({f.source, "/D"});
    EXPECT_EQ(result.exitCode, 255);
    EXPECT_NE(result.output.find("Connect Error: "), std::string::npos) << result.output;
    ExpectPasswordNowhere(m, result, PasswordForms(m.tree()));
  }
}

const auto kTargetName = [](const auto& info) { return TargetName(info.param); };
INSTANTIATE_TEST_SUITE_P(fault_sweep, CursorFaults,
                         ::testing::ValuesIn(TestedTargets({Driver::kSqlite})), kTargetName);
INSTANTIATE_TEST_SUITE_P(fault_sweep, OutputFileFaults, ::testing::ValuesIn(TestedTargets()),
                         kTargetName);
INSTANTIATE_TEST_SUITE_P(fault_sweep, PasswordSecrecy,
                         ::testing::ValuesIn(TestedTargets({Driver::kSqlite})), kTargetName);

}  // namespace
}  // namespace skarvik::testbed
