// TstKopf.dat and TstPos.dat from fixture databases: which key tables are
// taken over, what the model table puts into their header lines, their key
// positions, and what happens when the database or the disk fails.
#include <gtest/gtest.h>

#include "migration.h"

namespace skarvik::testbed {
namespace {

using Values = std::vector<std::pair<std::string, Value>>;

Row TypeNaming(const std::string& column, const std::string& table) {
  static int n = 0;
  return {"Vks114Tsm", {{"TsmNam", "TYP" + std::to_string(++n)}, {"TsmTyp", "1"}, {column, table}}};
}
Row KeyTable(const std::string& name, Values more = {}) {
  more.insert(more.begin(), {"TttNam", name});
  return {"O2100TastTab", more};
}
Row KeyPosition(const std::string& table, Values more = {}) {
  more.insert(more.begin(), {"TtaNum", table});
  return {"O2108Tta", more};
}

const std::string kText50 = "Tastatur Eingang Nord         Hauptgebaeude West 1";
const std::string kText30 = "Tastatur Eingang Nord";

// These cursors show -1 in their failure lines, whatever the driver's own
// number; the message is the driver's.
std::string MissingTableLine(Driver driver, const std::string& tag, const std::string& table) {
  return "     " + tag + ", ERROR: -1, " + MissingTableError(driver, table).message + "\r\n";
}

class KeyExport : public ::testing::TestWithParam<Target> {};

TEST_P(KeyExport, TablesUsedByATerminalAreWrittenWithTheirPositions) {
  ExpectExport(
      GetParam(),
      MakeCase(
          "used tables",
          {TypeNaming("TsmTas", "NORD"),
           KeyTable("NORD", {{"TttTxt", kText50},
                             {"TttKtx", "Nord"},
                             {"TttSta", "1"},
                             {"TttErf", "admin"},
                             {"TttDat", "2020-01-01 07:00:00"},
                             {"TttArt", "77"},
                             {"TttTas", "9"},
                             {"TttTtp", "8374-010"}}),
           KeyPosition("NORD", {{"TtaTyp", "8373-011"}, {"TtaMnu", "M"},   {"TtaTas", "12345"},
                                {"TtaBch", "ABC"},      {"TtaPos", "07"},  {"TtaTxt", kText50},
                                {"TtaDnc", "D"},        {"TtaFtp", "F"},   {"TtaDat", "2020-01-02"},
                                {"TtaErf", "admin"},    {"TtaF01", "a"},   {"TtaF02", "b"},
                                {"TtaF03", "c"},        {"TtaF04", "d"},   {"TtaF05", "e"},
                                {"TtaF06", "f"},        {"TtaF07", "g"},   {"TtaF08", "h"},
                                {"TtaF09", "i"},        {"TtaF10", "j"},   {"TtaF11", "k"},
                                {"TtaF12", "l"},        {"TtaFcd", "FCD"}, {"TtaAps", "99"},
                                {"TtaTav", "1"}}),
           KeyTable("LOSE"), KeyPosition("LOSE", {{"TtaPos", "1"}}),
           KeyPosition("NORD", {{"TtaPos", "8"}}),
           KeyPosition("NORD", {{"TtaPos", "9"}, {"TtaTav", " "}, {"TtaAps", "1"}}),
           TypeNaming("TsmTas", "O'Neil"),
           KeyTable("O'Neil", {{"TttTxt", "Kiosk  "}, {"TttArt", "AA"}}),
           KeyPosition("O'Neil", {{"TtaPos", "1"}, {"TtaTav", ""}}),
           TypeNaming("TsmSal", "SALONLY"), KeyTable("SALONLY"), TypeNaming("TsmTas", "ALLEIN"),
           KeyTable("ALLEIN", {{"TttTtp", "8373-001"}})},
          {{"TstKopf.dat", "NORD," + kText30 +
                               ",Nord,1,VKImport,3,1,8374-050,,NORD,15,2020-01-01 07:00:00,\r\n"
                               "O'Neil,Kiosk,,,VKImport,AA,1,,,O'Neil,Kiosk,,\r\n"
                               "ALLEIN,,,,VKImport,14,2,8373-001,,ALLEIN,9,,\r\n"},
           {"TstPos.dat", "NORD,8374-050,M,12345,ABC,07," + kText30 +
                              ",D,F,2020-01-02,VKImport,a,b,c,d,e,f,g,h,i,j,k,l,FCD,07,1,\r\n"
                              "NORD,8374-050,,,,8,,,,,VKImport,,,,,,,,,,,,,,8,0,\r\n"
                              "NORD,8374-050,,,,9,,,,,VKImport,,,,,,,,,,,,,,9,0,\r\n"
                              "O'Neil,,,,,1,,,,,VKImport,,,,,,,,,,,,,,1,0,\r\n"}},
          SkipLine("Tasttab.", "LOSE") + SkipLine("Tasttab.", "SALONLY")));
}

TEST_P(KeyExport, ModelTableDecidesKindVariantModelAndModelValue) {
  struct Model {
    std::string stored;
    std::string art;
    std::string tas;
    std::string written;
    std::string value;  // "" stands for the table's text
  } models[] = {
      {"8373-022", "1", "1", "8373-022", "14"},  {"8373-021", "2", "1", "8373-021", "13"},
      {"8374-010", "3", "1", "8374-050", "15"},  {"8374-050", "3", "1", "8374-050", "15"},
      {"8326-010", "4", "2", "8326-010", "3"},   {"8326-300", "5", "1", "8326-300", "4"},
      {"8359-001", "6", "2", "8359-001", "5"},   {"8373-011", "7", "2", "8373-011", "11"},
      {"8373-012", "8", "1", "8373-012", "12"},  {"8316-001", "9", "2", "8316-001", "1"},
      {"8373-002", "10", "1", "8373-002", "10"}, {"8372-006", "15", "1", "8372-006", "6"},
      {"8372-008", "13", "2", "8372-008", "7"},  {"8372-009", "11", "1", "8372-009", "8"},
      {"8316-300", "12", "1", "8316-300", "2"},  {"8373-001", "14", "2", "8373-001", "9"},
      {"8316-301", "12", "1", "8316-300", "2"},  {"8373-022  ", "1", "1", "8373-022", "14"},
      {"8373-0221", "AA", "1", "8373-0221", ""}, {"8373-02", "AA", "1", "8373-02", ""},
      {"8357-010", "AA", "1", "8357-010", ""},   {"", "AA", "1", "", ""},
  };
  ExportCase c = MakeCase("model table", {}, {});
  std::string headers;
  std::string positions;
  int n = 0;
  for (const Model& m : models) {
    const std::string name = "K" + std::to_string(++n);
    const std::string text = "Tasten Nummer " + std::to_string(n);
    c.rows.push_back(TypeNaming("TsmTas", name));
    c.rows.push_back(KeyTable(
        name, {{"TttTxt", text}, {"TttArt", "AA"}, {"TttTas", "2"}, {"TttTtp", m.stored}}));
    c.rows.push_back(KeyPosition(name, {{"TtaTyp", "8373-011"}, {"TtaPos", "1"}}));
    headers += name + "," + text + ",,,VKImport," + m.art + "," + m.tas + "," + m.written + ",," +
               name + "," + (m.value.empty() ? text : m.value) + ",,\r\n";
    positions += name + "," + m.written + ",,,,1,,,,,VKImport,,,,,,,,,,,,,,1,0,\r\n";
  }
  c.files = {{"TstKopf.dat", headers}, {"TstPos.dat", positions}};
  ExpectExport(GetParam(), c);
}

TEST_P(KeyExport, MissingPositionTableIsLoggedPerTableAndHeadersStay) {
  ExportCase c =
      MakeCase("no position table",
               {TypeNaming("TsmTas", "A"), KeyTable("A"), TypeNaming("TsmTas", "B"), KeyTable("B")},
               {{"TstKopf.dat",
                 "A,,,,VKImport,,1,,,A,,,\r\n"
                 "B,,,,VKImport,,1,,,B,,,\r\n"},
                {"TstPos.dat", ""}});
  const std::string failed =
      MissingTableLine(GetParam().driver, "SQL_Open_TstPosAlt", "VKSYSTEM.O2108Tta") +
      "     sqlStmt : SELECT  TtaNum, TtaTyp, TtaMnu, TtaTas,  TtaBch, TtaPos, TtaTxt, TtaDnc,  "
      "TtaFtp, TtaDat, TtaErf, TtaF01,  TtaF02, TtaF03, TtaF04, TtaF05,  TtaF06, TtaF07, TtaF08, "
      "TtaF09,  TtaF10, TtaF11, TtaF12, TtaFcd,  TtaAps, TtaTav FROM  VKSYSTEM.O2108Tta WHERE  "
      "TtaNum = ";
  c.log = failed + "'A'\r\n" + failed + "'B'\r\n";
  c.exitCode = 1;
  c.prepare = [](Migration& m) { m.db().exec("DROP TABLE " + m.db().qualified("O2108Tta")); };
  ExpectExport(GetParam(), c);
}

INSTANTIATE_TEST_SUITE_P(Drivers, KeyExport, ::testing::ValuesIn(TestedTargets()),
                         [](const auto& info) { return TargetName(info.param); });

}  // namespace
}  // namespace skarvik::testbed
