// SldKopf.dat and SldPos.dat from fixture databases: which balance tables
// are taken over, the model they carry, their positions, and what the log,
// the console and the exit code say when the database or the disk fails.
#include <gtest/gtest.h>

#include "migration.h"

namespace skarvik::testbed {
namespace {

using Values = std::vector<std::pair<std::string, Value>>;

Row TypeNaming(const std::string& type, const std::string& column, const std::string& table) {
  static int n = 0;
  return {"Vks114Tsm",
          {{"TsmNam", "TYP" + std::to_string(++n)}, {"TsmTyp", type}, {column, table}}};
}
Row BalanceTable(const std::string& name, Values more = {}) {
  more.insert(more.begin(), {"TslNam", name});
  return {"O2101SalTab", more};
}
Row BalancePosition(const std::string& table, Values more = {}) {
  more.insert(more.begin(), {"TsaSal", table});
  return {"G2101SalLst", more};
}
Row KeyTable(const std::string& name) { return {"O2100TastTab", {{"TttNam", name}}}; }

const std::string kPositionSql =
    "SELECT  TsaSal, TsaLfd, TsaAnz,  TsaAus, TsaSta, TsaErf,  TsaDat, TsaSpl FROM  "
    "VKSYSTEM.G2101SalLst WHERE  TsaSal = ";

// These cursors show -1 in their failure lines, whatever the driver's own
// number; the message is the driver's.
std::string MissingTableLine(Driver driver, const std::string& tag, const std::string& table) {
  return "     " + tag + ", ERROR: -1, " + MissingTableError(driver, table).message + "\r\n";
}

class BalanceExport : public ::testing::TestWithParam<Target> {};

TEST_P(BalanceExport, TablesNamedByATerminalTypeAreWrittenWithTheirPositions) {
  ExpectExport(
      GetParam(),
      MakeCase(
          "named tables",
          {TypeNaming("8373-011", "TsmSal", "KANTINE"),
           BalanceTable("KANTINE",
                        {{"TslDau", "30"},
                         {"TslTxt", "Kantine Nord Fruehstueck      und Mittag und Abend"},
                         {"TslSta", "1"},
                         {"TslDat", "2019-03-01 08:00:00"},
                         {"TslErf", "admin"}}),
           BalancePosition("KANTINE", {{"TsaLfd", "1"},
                                       {"TsaAnz", "2"},
                                       {"TsaAus", "3"},
                                       {"TsaSta", "0"},
                                       {"TsaErf", "admin"},
                                       {"TsaDat", "2019-03-02 09:00:00"},
                                       {"TsaSpl", "AB"}}),
           BalanceTable("LEER", {{"TslTxt", "12345678901234567890123456789012345678901234567890"},
                                 {"TslErf", "admin"}}),
           TypeNaming("8374-010", "TsmSal", "LEER"), BalancePosition("ORPHAN", {{"TsaLfd", "9"}}),
           BalanceTable("ORPHAN"), BalancePosition("KANTINE", {{"TsaLfd", "2 "}}),
           TypeNaming("1", "TsmTas", "TASTONLY"), BalanceTable("TASTONLY"),
           BalancePosition("TASTONLY")},
          {{"SldKopf.dat",
            "KANTINE,8373-011,30,Kantine Nord Fruehstueck,1,2019-03-01 08:00:00,VKImport,\r\n"
            "LEER,8374-050,,123456789012345678901234567890,,,VKImport,\r\n"},
           {"SldPos.dat",
            "KANTINE,1,2,3,0,2019-03-02 09:00:00,VKImport,AB,,,\r\n"
            "KANTINE,2,,,,,VKImport,,,,\r\n"}},
          SkipLine("Saldotab.", "ORPHAN") + SkipLine("Saldotab.", "TASTONLY")));
}

TEST_P(BalanceExport, ModelIsTheFirstNamingTypeAfterTheLookupRules) {
  struct Type {
    std::string stored;
    std::string written;
  } types[] = {
      {"3", "8316-300"}, {"8316-301", "8316-300"}, {"8374-010", "8374-050"}, {"99", "???"}};
  ExportCase c = MakeCase("lookup rules", {}, {});
  std::string expected;
  int n = 0;
  for (const Type& type : types) {
    const std::string table = "S" + std::to_string(++n);
    c.rows.push_back(TypeNaming(type.stored, "TsmSal", table));
    c.rows.push_back(BalanceTable(table));
    expected += table + "," + type.written + ",,,,,VKImport,\r\n";
  }
  c.rows.push_back(TypeNaming("8326-010", "TsmSal", "SHARED"));
  c.rows.push_back(TypeNaming("8359-001", "TsmSal", "SHARED"));
  c.rows.push_back(BalanceTable("SHARED"));
  c.files["SldKopf.dat"] = expected + "SHARED,8326-010,,,,,VKImport,\r\n";
  ExpectExport(GetParam(), c);
}

TEST_P(BalanceExport, TableNameWithQuoteKeepsItsTypeAndPositions) {
  ExpectExport(GetParam(),
               MakeCase("quote",
                        {TypeNaming("8373-011", "TsmSal", "O'Neil"), BalanceTable("O'Neil"),
                         BalancePosition("O'Neil", {{"TsaLfd", "1"}})},
                        {{"SldKopf.dat", "O'Neil,8373-011,,,,,VKImport,\r\n"},
                         {"SldPos.dat", "O'Neil,1,,,,,VKImport,,,,\r\n"}}));
}

TEST_P(BalanceExport, EmptyTablesGiveEmptyFiles) {
  ExpectExport(
      GetParam(),
      MakeCase("no tables", {},
               {{"SldKopf.dat", ""}, {"SldPos.dat", ""}, {"TstKopf.dat", ""}, {"TstPos.dat", ""}}));
}

TEST_P(BalanceExport, SpecialSourceWritesNoTableFiles) {
  ExportCase c = MakeCase("special source",
                          {TypeNaming("1", "TsmSal", "SAL"), BalanceTable("SAL"),
                           TypeNaming("1", "TsmTas", "TAS"), KeyTable("TAS")},
                          {{"SldKopf.dat", std::nullopt},
                           {"SldPos.dat", std::nullopt},
                           {"TstKopf.dat", std::nullopt},
                           {"TstPos.dat", std::nullopt}});
  c.source = kSpecialSource;
  ExpectExport(GetParam(), c);
}

TEST_P(BalanceExport, MissingPositionTableIsLoggedPerTableAndHeadersStay) {
  ExportCase c = MakeCase("no position table",
                          {TypeNaming("1", "TsmSal", "A"), BalanceTable("A"),
                           TypeNaming("1", "TsmSal", "B'x"), BalanceTable("B'x")},
                          {{"SldKopf.dat",
                            "A,8316-001,,,,,VKImport,\r\n"
                            "B'x,8316-001,,,,,VKImport,\r\n"},
                           {"SldPos.dat", ""}});
  const std::string failed =
      MissingTableLine(GetParam().driver, "SQL_Open_SldPosAlt", "VKSYSTEM.G2101SalLst") +
      "     sqlStmt : " + kPositionSql;
  c.log = failed + "'A'\r\n" + failed + "'B''x'\r\n";
  c.exitCode = 1;
  c.prepare = [](Migration& m) { DropTable(m, "G2101SalLst"); };
  ExpectExport(GetParam(), c);
}

TEST_P(BalanceExport, FailedLookupIsLoggedAndTheTableLeftOut) {
  ExportCase c = MakeCase("no type table", {BalanceTable("SAL"), BalancePosition("SAL")},
                          {{"SldKopf.dat", ""}, {"SldPos.dat", ""}});
  const DriverError missing = MissingTableError(GetParam().driver, "VKSYSTEM.Vks114Tsm");
  c.log =
      "     SQL_Open_Vks114Tsm, ERROR: " + std::to_string(missing.native) + ", " + missing.message +
      "\r\n"
      "     sqlStmt : SELECT  TsmNam, TsmTyp, TsmTas, TsmSal,  TsmUpl, TsmDnl, TsmSpr, TsmTxt,  "
      "TsmKtx, TsmKsw, TsmSta, TsmErf FROM  VKSYSTEM.Vks114Tsm\r\n" +
      MissingTableLine(GetParam().driver, "SQL_GetTerm", "VKSYSTEM.Vks114Tsm") +
      "     sqlStmt : SELECT  TsmTyp  FROM  VKSYSTEM.Vks114Tsm WHERE  TsmSal = 'SAL'\r\n" +
      SkipLine("Saldotab.", "SAL");
  c.exitCode = 1;
  c.prepare = [](Migration& m) { DropTable(m, "Vks114Tsm"); };
  ExpectExport(GetParam(), c);
}

INSTANTIATE_TEST_SUITE_P(Drivers, BalanceExport, ::testing::ValuesIn(TestedTargets()),
                         [](const auto& info) { return TargetName(info.param); });

}  // namespace
}  // namespace skarvik::testbed
