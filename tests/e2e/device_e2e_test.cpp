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

// A type text shorter than seven characters is a numeric code, mapped with
// the terminal's application text; a longer one is a model and stays.
TEST_P(DeviceExport, NumericTypeCodesBecomeModelStrings) {
  const std::string tail = ",,,,,,,,,,,,,,,,,\r\n";
  ExpectExport(
      GetParam(),
      {.name = "type codes",
       .rows = {Terminal("T1", "30", {{"TrmApp", "x8374y"}}), Communication("T1"),
                Terminal("T2", "123456"), Communication("T2"),
                Terminal("T3", "8373-01", {{"TrmApp", "8374"}}), Communication("T3")},
       .files = {{"Device.dat", "TRM,T1,,,,,,,x8374y,,,,,,,,,,,,,VKImport,,8374-010" + tail +
                                    BareTrm("T2", "???") +
                                    "TRM,T3,,,,,,,8374,,,,,,,,,,,,,VKImport,,8373-01" + tail}},
       .log = ""});
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
