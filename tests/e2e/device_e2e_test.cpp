// Device.dat from fixture databases: TRM lines, model codes, communication
// parameters, reader lines and the type-table pass, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>

#include "migration.h"

namespace skarvik::testbed {
namespace {

Row Terminal(const std::string& name, const std::string& model,
             std::vector<std::pair<std::string, Value>> more = {}) {
  more.insert(more.begin(), {{"TrmNam", name}, {"TrmMod", model}});
  return {"Vks1140Trm", more};
}
Row Communication(const std::string& name, std::vector<std::pair<std::string, Value>> more = {}) {
  more.insert(more.begin(), {"ComNam", name});
  return {"Vks1140Com", more};
}
Row Reader(const std::string& terminal, std::vector<std::pair<std::string, Value>> more) {
  more.insert(more.begin(), {"ZlsTrm", terminal});
  return {"Vks401Zls", more};
}
Row TypeRow(const std::string& name, const std::string& type,
            std::vector<std::pair<std::string, Value>> more = {}) {
  more.insert(more.begin(), {{"TsmNam", name}, {"TsmTyp", type}});
  return {"Vks114Tsm", more};
}

// A terminal with nothing but its name and model, and an empty
// communication row.
std::string BareTrm(const std::string& name, const std::string& model) {
  return "TRM," + name + ",,,,,,,,,,,,,,,,,,,,VKImport,," + model + ",,,,,,,,,,,,,,,,,\r\n";
}

class DeviceExport : public ::testing::TestWithParam<Target> {};

TEST_P(DeviceExport, TerminalWithEveryFieldAndItsReaders) {
  ExpectExport(
      GetParam(),
      {.name = "full terminal",
       .rows = {Terminal("Halle 1", "8373-011",
                         {{"TrmInt", "I1"},  {"TrmTas", "TAS1"},   {"TrmSal", "SAL1"},
                          {"TrmUpl", "UP1"}, {"TrmDnl", "DN1"},    {"TrmSpr", "DE"},
                          {"TrmDtm", "DTM"}, {"TrmApp", "APP"},    {"TrmLog", "LOG"},
                          {"TrmPra", "PRA"}, {"TrmSyn", "S"},      {"TrmFnk", "F"},
                          {"TrmDis", "D"},   {"TrmTon", "TON"},    {"TrmDau", "DAU"},
                          {"TrmLst", "LST"}, {"TrmHst", "HST"},    {"TrmAlf", "ALF"},
                          {"TrmSto", "STO"}, {"TrmTxt", "Text"},   {"TrmKtx", "Ktx"},
                          {"TrmSta", "1"},   {"TrmErf", "someone"}}),
                Communication("Halle 1", {{"ComIpa", "10.0.0.5"},
                                          {"ComGat", "10.0.0.1"},
                                          {"ComShs", "10.0.0.9"},
                                          {"ComEvp", "EVP"},
                                          {"ComTmp", "TMP"},
                                          {"ComSub", "255.255.255.0"},
                                          {"ComTwx", "TWX"},
                                          {"ComPor", "3001"},
                                          {"ComSch", "SCH"},
                                          {"ComSto", "STO2"},
                                          {"ComLkn", "49"},
                                          {"ComVor", "0711"},
                                          {"ComTel", "123456"},
                                          {"ComDwl", "DWL"},
                                          {"ComGid", "GID"},
                                          {"ComLer", "LER"}}),
                Reader("Halle 1", {{"ZlsLes", "1"},
                                   {"ZlsZko", "Z"},
                                   {"ZlsAus", "A"},
                                   {"ZlsTfr", "TF"},
                                   {"ZlsTvr", "TV"},
                                   {"ZlsTxt", "Eingang"},
                                   {"ZlsKtx", "Ein"},
                                   {"ZlsSta", "0"},
                                   {"ZlsErf", "someone"}}),
                Reader("Halle 1", {{"ZlsLes", "9"}}), Reader("Halle 1", {{"ZlsLes", "16"}}),
                Reader("Halle 1", {{"ZlsLes", ""}}), Reader("Halle 1", {{"ZlsLes", "-6"}}),
                Reader("Halle 1", {{"ZlsLes", "-7"}}),
                Reader("Halle 1", {{"ZlsLes", "3"}, {"ZlsAdr", "01"}}),
                Reader("Halle 1", {{"ZlsLes", "2"}, {"ZlsEin", "7"}}),
                Reader("Halle 1", {{"ZlsLes", "4"}, {"ZlsAdr", "1"}, {"ZlsEin", "5"}}),
                Reader("Halle 2", {{"ZlsLes", "1"}})},
       .files = {{"Device.dat",
                  "TRM,Halle 1,TAS1,SAL1,UP1,DN1,DE,DTM,APP,LOG,PRA,S,TON,DAU,LST,HST,ALF,STO,"
                  "Text,Ktx,1,VKImport,I1,8373-011,F,D,TWX,3001,SCH,STO2,10.0.0.5,255.255.255.0,"
                  "10.0.0.1,10.0.0.9,TMP,EVP,490711123456,LER,DWL,GID,\r\n"
                  "LESINT,Halle 1,1,Z,A,TF,TV,1,1,Eingang,Ein,0,VKImport,\r\n"
                  "LESINT,Halle 1,9,,,,,2,1,,,,VKImport,\r\n"
                  "LESEXT,Halle 1,16,,,,,2,8,,,,VKImport,\r\n"
                  "LESEXT,Halle 1,,,,,,1,0,,,,VKImport,\r\n"
                  "LESEXT,Halle 1,-6,,,,,1,-6,,,,VKImport,\r\n"
                  "LESINT,Halle 1,-7,,,,,0,1,,,,VKImport,\r\n"
                  "LESEXT,Halle 1,3,,,,,1,01,,,,VKImport,\r\n"
                  "LESEXT,Halle 1,2,,,,,7,2,,,,VKImport,\r\n"
                  "LESINT,Halle 1,4,,,,,5,1,,,,VKImport,\r\n"}},
       .log = ""});
}

TEST_P(DeviceExport, NumericTypeCodesBecomeModelStrings) {
  struct Code {
    std::string stored;
    std::string app;
    std::string written;
  } codes[] = {
      {"1", "", "8316-001"},
      {"2", "", "8316-300"},
      {"3", "", "8316-301"},
      {"4", "", "8326-010"},
      {"8", "", "8357-030"},
      {"10", "", "8359-001"},
      {"11", "", "8359-002"},
      {"20", "", "8372-006"},
      {"22", "", "8372-009"},
      {"30", "", "8373-001"},
      {"37", "", "8373-072"},
      {"621", "", "8373-621"},
      {"631", "", "8373-631"},
      {"0", "", "???"},
      {"9", "", "???"},
      {"12", "", "???"},
      {"19", "", "???"},
      {"23", "", "???"},
      {"29", "", "???"},
      {"38", "", "???"},
      {"620", "", "???"},
      {"-1", "", "???"},
      {"", "", "???"},
      {"036", "", "8373-071"},
      {" 5", "", "8326-300"},
      {"5a", "", "8326-300"},
      {"30", "xx8374yy", "8374-010"},
      {"37", "8374", "8374-010"},
      {"621", "8374", "8373-621"},
      {"29", "8374", "???"},
      {"38", "8374", "???"},
      {"123456", "", "???"},
      {"8373-01", "8374", "8373-01"},
      {"8373-011", "8374", "8373-011"},
  };
  ExportCase c{.name = "type codes", .log = ""};
  std::string expected;
  int n = 0;
  for (const Code& code : codes) {
    const std::string name = "T" + std::to_string(++n);
    c.rows.push_back(Terminal(name, code.stored, {{"TrmApp", code.app}}));
    c.rows.push_back(Communication(name));
    expected += "TRM," + name + ",,,,,,," + code.app + ",,,,,,,,,,,,,VKImport,," + code.written +
                ",,,,,,,,,,,,,,,,,\r\n";
  }
  c.files["Device.dat"] = expected;
  ExpectExport(GetParam(), c);
}

TEST_P(DeviceExport, CommunicationRowDecidesTheTrmLineAndFillsTheDialNumber) {
  ExpectExport(
      GetParam(),
      {.name = "communication rows",
       .rows = {Terminal("NOCOM", "1"), Reader("NOCOM", {{"ZlsLes", "2"}}), Terminal("TWICE", "1"),
                Communication("TWICE", {{"ComPor", "first"}}),
                Communication("TWICE", {{"ComPor", "second"}}), Terminal("DIAL30", "1"),
                Communication("DIAL30", {{"ComLkn", "12345"},
                                         {"ComVor", "1234567890"},
                                         {"ComTel", "123456789012345"},
                                         {"ComLer", "L"}}),
                Terminal("DIAL31", "1"),
                Communication("DIAL31", {{"ComLkn", "12345"},
                                         {"ComVor", "1234567890"},
                                         {"ComTel", "1234567890123456"},
                                         {"ComLer", "L"}})},
       .files = {{"Device.dat",
                  "LESEXT,NOCOM,2,,,,,1,2,,,,VKImport,\r\n"
                  "TRM,TWICE,,,,,,,,,,,,,,,,,,,,VKImport,,8316-001,,,,first,,,,,,,,,,,,,\r\n"
                  "TRM,DIAL30,,,,,,,,,,,,,,,,,,,,VKImport,,8316-001,,,,,,,,,,,,,"
                  "123451234567890123456789012345,L,,,\r\n"
                  "TRM,DIAL31,,,,,,,,,,,,,,,,,,,,VKImport,,8316-001,,,,,,,,,,,,,,L,,,\r\n"}},
       .log = ""});
}

TEST_P(DeviceExport, ValuesAreTrimmedCutToTheirFieldAndPassedThrough) {
  const std::string longName(300, 'N');
  ExpectExport(
      GetParam(),
      {.name = "values",
       .rows = {Terminal("O'Brien", "1", {{"TrmTxt", "  inner  blank \t "}, {"TrmKtx", " \t "}}),
                Communication("O'Brien"), Reader("O'Brien", {{"ZlsLes", "1"}}),
                Terminal("Comma", "1",
                         {{"TrmTxt", "a,b"}, {"TrmSyn", "XYZ"}, {"TrmSpr", std::nullopt}}),
                Communication("Comma"), Terminal("K\xFChlhaus \xE4", "1"),
                Communication("K\xFChlhaus \xE4", {{"ComIpa", "192.168.100.200.1"}}),
                Terminal(longName, "1"), Communication(longName.substr(0, 255))},
       .files =
           {{"Device.dat",
             "TRM,O'Brien,,,,,,,,,,,,,,,,,  inner  blank,,,VKImport,,8316-001,,,,,,,,,,,,,,,,"
             ",\r\n"
             "LESINT,O'Brien,1,,,,,1,1,,,,VKImport,\r\n"
             "TRM,Comma,,,,,,,,,,X,,,,,,,a,b,,,VKImport,,8316-001,,,,,,,,,,,,,,,,,\r\n"
             "TRM,K\xFChlhaus \xE4,,,,,,,,,,,,,,,,,,,,VKImport,,8316-001,,,,,,,192.168.100.200,"
             ",,,,,,,,,\r\n" +
                 BareTrm(std::string(255, 'N'), "8316-001")}},
       .log = ""});
}

TEST_P(DeviceExport, TypeTableRowsFollowAsTerminalsOfTheirOwn) {
  ExpectExport(
      GetParam(),
      {.name = "type table",
       .rows = {Terminal("SHARED", "32"), Communication("SHARED"),
                Reader("SHARED", {{"ZlsLes", "1"}}), Reader("SHARED", {{"ZlsLes", "12"}}),
                TypeRow("SHARED", "30",
                        {{"TsmTas", "TAS"},
                         {"TsmSal", "SAL"},
                         {"TsmUpl", "UPL"},
                         {"TsmDnl", "DNL"},
                         {"TsmSpr", "SPR"},
                         {"TsmTxt", "Typ"},
                         {"TsmKtx", "KTX"},
                         {"TsmKsw", "K"},
                         {"TsmSta", "STA"},
                         {"TsmErf", "someone"}}),
                TypeRow("NEWER", "8374-010"), Reader("NEWER", {{"ZlsLes", "1"}})},
       .files = {{"Device.dat",
                  BareTrm("SHARED", "8373-011") +
                      "LESINT,SHARED,1,,,,,1,1,,,,VKImport,\r\n"
                      "LESEXT,SHARED,12,,,,,2,4,,,,VKImport,\r\n"
                      "TRM,SHARED,TAS,SAL,UPL,DNL,SPR,,,,,,,,,,,,Typ,KTX,STA,"
                      "VKImport(Vks114Tsm),,30,,,,,,,,,,,,,,,,,\r\n"
                      "LESINT,SHARED,1,,,,,,1,,,,VKImport,\r\n"
                      "LESEXT,SHARED,12,,,,,,12,,,,VKImport,\r\n"
                      "TRM,NEWER,,,,,,,,,,,,,,,,,,,,VKImport(Vks114Tsm),,8374-010,,,,,,,,,,,,,,,,,"
                      "\r\n"
                      "LESEXT,NEWER,1,,,,,,1,,,,VKImport,\r\n"}},
       .log = ""});
}

TEST_P(DeviceExport, SpecialSourceWritesTheTerminalTableOnly) {
  ExpectExport(GetParam(), {.name = "special source",
                            .rows = {Terminal("T1", "1"), Communication("T1"),
                                     Reader("T1", {{"ZlsLes", "1"}}), TypeRow("TYP", "30")},
                            .files = {{"Device.dat", BareTrm("T1", "8316-001") +
                                                         "LESINT,T1,1,,,,,1,1,,,,VKImport,\r\n"}},
                            .source = kSpecialSource,
                            .log = ""});
}

TEST_P(DeviceExport, EmptyTerminalTableGivesAnEmptyFile) {
  ExpectExport(GetParam(), {.name = "empty", .files = {{"Device.dat", ""}}, .log = ""});
}

INSTANTIATE_TEST_SUITE_P(Drivers, DeviceExport, ::testing::ValuesIn(TestedTargets()),
                         [](const auto& info) { return TargetName(info.param); });

}  // namespace
}  // namespace skarvik::testbed
