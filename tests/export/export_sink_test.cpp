// The exports and the cursors without the program around them: a session on
// a real SQLite data source, handed a run log in memory, writing its lines
// into a sink in memory.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <span>
#include <string>
#include <vector>

#include "db/session.h"
#include "export/device_export.h"
#include "logged_sql.h"
#include "migration_tree.h"
#include "sqlite_database.h"

namespace skarvik {
namespace {

using testbed::MigrationTree;
using testbed::SqliteDatabase;

struct MemoryLog : LogSink {
  void append(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

struct MemorySink : LineSink {
  void writeFields(std::span<const std::string_view> fields) override {
    lines.emplace_back(fields.begin(), fields.end());
  }
  std::vector<std::vector<std::string>> lines;
};

class InProcessExport : public ::testing::Test {
 protected:
  InProcessExport() : db_((tree_.root() / "old.db").string()) {
    db_.createTables();
    tree_.declareDataSources(db_.dataSource("UNIT"));
    setenv("ODBCSYSINI", (tree_.root() / "odbc").c_str(), 1);
    setenv("ODBCINI", (tree_.root() / "odbc" / "odbc.ini").c_str(), 1);
    db_.insert({{"Vks1140Trm", {{"TrmNam", "T,1"}, {"TrmMod", "1"}}},
                {"Vks1140Com", {{"ComNam", "T,1"}}},
                {"Vks401Zls", {{"ZlsTrm", "T,1"}, {"ZlsLes", "1"}}}});
  }

  void writeDeviceLines() {
    char name[] = "UNIT";
    ASSERT_TRUE(session_.OpenSourceDb(name, [](Login&) {}));
    WriteDeviceLines(session_, sink_);
  }

  MigrationTree tree_;
  SqliteDatabase db_;
  MemoryLog log_;
  MemorySink sink_;
  Session session_{log_};
};

// A comparing sink must see where a field ends, also when the value holds
// the comma that the file would write after it.
TEST_F(InProcessExport, SinkReceivesEachValueAsOneField) {
  writeDeviceLines();
  ASSERT_EQ(sink_.lines.size(), 2u);
  EXPECT_EQ(sink_.lines[0].size(), 40u);  // "TRM" and its 39 fields
  EXPECT_EQ(sink_.lines[0][1], "T,1");
  EXPECT_EQ(sink_.lines[1], (std::vector<std::string>{"LESINT", "T,1", "1", "", "", "", "", "1",
                                                      "1", "", "", "", "VKImport"}));
  EXPECT_TRUE(log_.lines.empty());
  EXPECT_EQ(session_.queryFailures(), 0);
}

TEST_F(InProcessExport, QueryFailureGoesToTheHandedLogAndIsCounted) {
  db_.exec("DROP TABLE Vks401Zls");
  writeDeviceLines();
  EXPECT_EQ(sink_.lines.size(), 1u);  // the TRM line stands without its readers
  EXPECT_EQ(session_.queryFailures(), 1);
  EXPECT_EQ(log_.lines, (std::vector<std::string>{
                            "     SQL_OpenReader, ERROR: 1, [SQLite]no such table: "
                            "VKSYSTEM.Vks401Zls (1)",
                            "     sqlStmt : " + testbed::ReaderSql("T,1"),
                        }));
}

}  // namespace
}  // namespace skarvik
