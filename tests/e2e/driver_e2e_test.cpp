// What the drivers do differently underneath and the tool must meet all the
// same: values as long as their buffer or longer, blank-padded CHAR
// columns, ISO-8859-1 bytes, and logins a server really checks.
#include <gtest/gtest.h>

#include <map>

#include "migration.h"

namespace skarvik::testbed {
namespace {

using Values = std::vector<std::pair<std::string, Value>>;

// The columns of a TRM line up to the creator, in the line's order.
constexpr const char* kTrmFields[] = {"TrmTas", "TrmSal", "TrmUpl", "TrmDnl", "TrmSpr",
                                      "TrmDtm", "TrmApp", "TrmLog", "TrmPra", "TrmSyn",
                                      "TrmTon", "TrmDau", "TrmLst", "TrmHst", "TrmAlf",
                                      "TrmSto", "TrmTxt", "TrmKtx", "TrmSta"};

// The TRM line of a terminal with an empty communication row and model 1.
std::string Trm(const std::string& name, const std::map<std::string, std::string>& fields) {
  auto field = [&](const char* column) {
    const auto found = fields.find(column);
    return found == fields.end() ? std::string() : found->second;
  };
  std::string line = "TRM," + name + ",";
  for (const char* column : kTrmFields) line += field(column) + ",";
  line += "VKImport," + field("TrmInt") + ",8316-001," + field("TrmFnk") + "," + field("TrmDis");
  return line + ",,,,,,,,,,,,,,,\r\n";
}

// Letters that never repeat within a field, so a cut in the wrong place
// shows.
std::string Letters(std::size_t length) {
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('a' + i % 26);
  return text;
}

class DriverDifferences : public ::testing::TestWithParam<Target> {};

// MariaDB's driver fills a buffer to its last byte and writes no NUL when a
// value is as long as the buffer or longer; the field after it must still
// read as its own value.
TEST_P(DriverDifferences, ValuesAsLongAsTheirBufferOrLongerAreCutAndLeaveTheNextField) {
  struct Column {
    const char* name;
    std::size_t width;
    const char* next;  // the column fetched into the field after it
  } columns[] = {{"TrmTxt", 50, "TrmKtx"}, {"TrmKtx", 10, "TrmSta"}, {"TrmSyn", 1, "TrmFnk"}};
  ExportCase c{.name = "buffer lengths", .log = ""};
  std::string expected;
  for (const Column& column : columns) {
    for (const std::size_t extra : {0, 1, 2, 40}) {
      const std::string name = std::string(column.name) + "+" + std::to_string(extra);
      const std::string value = Letters(column.width + extra);
      c.rows.push_back(
          {"Vks1140Trm",
           {{"TrmNam", name}, {"TrmMod", "1"}, {column.name, value}, {column.next, "N"}}});
      c.rows.push_back({"Vks1140Com", {{"ComNam", name}}});
      expected += Trm(name, {{column.name, value.substr(0, column.width)}, {column.next, "N"}});
    }
  }
  c.files["Device.dat"] = expected;
  ExpectExport(GetParam(), c);
}

// The old system's bytes are ISO-8859-1. The data sources pin the client
// character set: psqlODBC would take it from the locale and hand these
// bytes out as UTF-8 (and the server refuse them on the way in). A name
// with them must also find its rows.
TEST_P(DriverDifferences, EveryByteAbove0x7FPassesThroughUnchanged) {
  std::string high;
  for (int byte = 0x80; byte <= 0xFF; ++byte) high += static_cast<char>(byte);
  const std::string name = "M\xFCller \xC4\xD6\xDC\xDF\xE9\xFF";
  ExpectExport(GetParam(),
               {.name = "high bytes",
                .rows = {{"Vks1140Trm", {{"TrmNam", name}, {"TrmMod", "1"}, {"TrmApp", high}}},
                         {"Vks1140Com", {{"ComNam", name}}},
                         {"Vks401Zls", {{"ZlsTrm", name}, {"ZlsLes", "1"}, {"ZlsTxt", "T\xFCr"}}}},
                .files = {{"Device.dat", Trm(name, {{"TrmApp", high}}) + "LESINT," + name +
                                             ",1,,,,,1,1,T\xFCr,,,VKImport,\r\n"}},
                .log = ""});
}

// The servers keep short codes in CHAR columns and hand them out padded to
// the column's width, as the old system's database does.
TEST_P(DriverDifferences, PaddedShortCodesReachTheToolAndAreTrimmed) {
  Migration migration(GetParam());
  migration.db().insert({{"Vks1140Trm", {{"TrmNam", "T1"}, {"TrmMod", "1"}, {"TrmInt", "I"}}},
                         {"Vks1140Com", {{"ComNam", "T1"}, {"ComPor", "30"}}}});
  const std::vector<Value> stored =
      migration.db().column("SELECT TrmMod FROM " + migration.db().qualified("Vks1140Trm"));
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0], GetParam().driver == Driver::kSqlite ? "1" : "1       ");
  const RunResult result = migration.run();
  EXPECT_EQ(result.exitCode, 0) << result.output;
  EXPECT_EQ(migration.tree().workFile("Device.dat"),
            "TRM,T1,,,,,,,,,,,,,,,,,,,,VKImport,I,8316-001,,,,30,,,,,,,,,,,,,\r\n");
}

// A server checks the whole login: the tool must hand on user names and
// passwords longer than 23 characters whole, and a login that is wrong in
// any part is refused.
TEST_P(DriverDifferences, ServerAcceptsTheWholeLoginAndNothingElse) {
  if (GetParam().driver == Driver::kSqlite) GTEST_SKIP() << "SQLite has no logins";
  Migration migration(GetParam());
  const Login right = migration.db().login();
  ASSERT_GT(right.user.size(), 23u);
  ASSERT_GT(right.password.size(), 23u);
  struct Case {
    std::string name;
    Login login;
    bool accepted;
  } cases[] = {
      {"whole login", right, true},
      {"password cut to 23", {right.user, right.password.substr(0, 23)}, false},
      {"user cut to 23", {right.user.substr(0, 23), right.password}, false},
      {"wrong password", {right.user, right.password + "x"}, false},
      {"empty login", {"", ""}, false},
  };
  for (const Case& c : cases) {
    migration.tree().writeSettings(SettingsEntry(migration.tree(), "LOGIN", c.login.user) +
                                   SettingsEntry(migration.tree(), "PASS", c.login.password));
    const RunResult result = migration.run();
    EXPECT_EQ(result.exitCode, c.accepted ? 0 : 255) << c.name;
    EXPECT_EQ(result.output, c.accepted ? "" : "Datenbankverbindung fehlgeschlagen, Fehler: -1\r\n")
        << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Drivers, DriverDifferences, ::testing::ValuesIn(TestedTargets()),
                         [](const auto& info) { return TargetName(info.param); });

}  // namespace
}  // namespace skarvik::testbed
