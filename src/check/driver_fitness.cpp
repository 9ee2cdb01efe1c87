#include "check/driver_fitness.h"

#include <array>
#include <functional>

#include "base/text_stream.h"
#include "check/database_facts.h"
#include "db/cursor.h"
#include "db/diagnostics.h"
#include "export/balance_export.h"
#include "export/communication_parameters.h"
#include "export/key_export.h"
#include "export/reader_lines.h"
#include "export/terminal_assignment.h"
#include "export/terminal_lines.h"

namespace skarvik::check {
namespace {

Finding Check(std::string id, std::string title, bool passed, std::string detail = "") {
  Finding finding{.id = std::move(id),
                  .severity = passed ? Severity::kInfo : Severity::kBlocker,
                  .title = std::move(title),
                  .count = passed ? 0 : 1,
                  .passed = passed};
  if (!detail.empty()) finding.examples.push_back({.effect = std::move(detail)});
  return finding;
}

std::string StatementState(SQLHSTMT stmt) {
  return SQL_GetDiag(SQL_HANDLE_STMT, stmt).sqlState.c_str();
}

std::string StatementError(SQLHSTMT stmt) {
  const DiagRecord diag = SQL_GetDiag(SQL_HANDLE_STMT, stmt);
  return std::string(diag.sqlState.c_str()) + " " + diag.message.c_str();
}

bool Execute(StmtHandle& stmt, Session& session, std::string sql) {
  return SQL_SUCCEEDED(stmt.allocate(session.hDbc())) &&
         SQL_SUCCEEDED(SQLExecDirect(stmt.get(), reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS));
}

// The reader cursor runs while the terminal cursor still has rows.
Finding SecondStatement(Session& session) {
  const char* title = "a second statement runs while the first still has rows";
  StmtHandle first;
  if (!Execute(first, session, "SELECT TrmNam FROM " + TableName(session, "Vks1140Trm"))) {
    return Check("driver.second-statement", title, false, StatementError(first.get()));
  }
  if (SQLFetch(first.get()) == SQL_NO_DATA) {
    Finding untested = Check("driver.second-statement", title, true,
                             "not tried: the terminal table has no rows, so nothing nests");
    return untested;
  }
  StmtHandle second;
  const bool ran =
      Execute(second, session, "SELECT COUNT(*) FROM " + TableName(session, "Vks401Zls")) &&
      SQL_SUCCEEDED(SQLFetch(second.get()));
  return Check("driver.second-statement", title, ran, ran ? "" : StatementError(second.get()));
}

// The export asks for a forward-only cursor and a concurrency, and runs on
// whatever the driver gives instead.
Finding CursorAttributes(Session& session) {
  StmtHandle stmt;
  stmt.allocate(session.hDbc());
  const SQLULEN concurrency = session.unqualifiedNames() ? SQL_CONCUR_READ_ONLY : SQL_CONCUR_LOCK;
  const SQLRETURN scrolling =
      SQLSetStmtAttr(stmt.get(), SQL_ATTR_CURSOR_SCROLLABLE,
                     reinterpret_cast<SQLPOINTER>(SQL_NONSCROLLABLE), SQL_IS_INTEGER);
  const SQLRETURN concurrent = SQLSetStmtAttr(
      stmt.get(), SQL_ATTR_CONCURRENCY, reinterpret_cast<SQLPOINTER>(concurrency), SQL_IS_INTEGER);
  std::string detail = "accepted as asked";
  if (scrolling == SQL_SUCCESS_WITH_INFO || concurrent == SQL_SUCCESS_WITH_INFO) {
    detail = "changed by the driver (" + StatementState(stmt.get()) +
             "), which is fine: the export reads forward only";
  } else if (!SQL_SUCCEEDED(scrolling) || !SQL_SUCCEEDED(concurrent)) {
    detail = "refused (" + StatementState(stmt.get()) +
             "), which is fine: the export then runs on the driver's default cursor";
  }
  return Check("driver.cursor-attributes", "the cursor the export asks for", true, detail);
}

// A client character set that converts would turn every umlaut into two
// bytes, or refuse it.
Finding CharacterSet(Session& session) {
  const char* title = "an ISO-8859-1 byte comes back as the same single byte";
  StmtHandle stmt;
  if (!Execute(stmt, session, "SELECT '\xE4'")) {
    return Check("driver.character-set", title, false, StatementError(stmt.get()));
  }
  std::array<char, 16> value{};
  SQLLEN length = 0;
  SQLBindCol(stmt.get(), 1, SQL_C_CHAR, value.data(), static_cast<SQLLEN>(value.size()), &length);
  if (!SQL_SUCCEEDED(SQLFetch(stmt.get()))) {
    return Check("driver.character-set", title, false, StatementError(stmt.get()));
  }
  const std::string_view got(value.data(), ::strnlen(value.data(), value.size() - 1));
  const bool same = got == "\xE4";
  return Check(
      "driver.character-set", title, same,
      same ? "" : "0xE4 came back as \"" + std::string(got) + "\": the data source converts");
}

// Whether table answers the export's own SQL text for query; a failure
// shows the line the run log would get.
template <class Record>
Finding Answers(Session& session, const Query<Record>& query, std::string_view table,
                const std::vector<std::string>& log) {
  const int failuresBefore = session.queryFailures();
  const std::size_t linesBefore = log.size();
  Cursor<Record>(session, query).first("");
  const bool passed = session.queryFailures() == failuresBefore;
  return Check(
      "driver.table." + std::string(table),
      TableName(session, table) + " answers " + std::string(PolicyFor(query.cursor).openTag),
      passed, passed || log.size() <= linesBefore ? "" : log[linesBefore]);
}

Finding AssignmentAnswers(Session& session, const std::vector<std::string>& log) {
  const int failuresBefore = session.queryFailures();
  const std::size_t linesBefore = log.size();
  SQL_GetTerm(session, "", AssignedBy::kTsmSal);
  const bool passed = session.queryFailures() == failuresBefore;
  return Check("driver.table.Vks114Tsm.assignment", "VKSYSTEM.Vks114Tsm answers SQL_GetTerm",
               passed, passed || log.size() <= linesBefore ? "" : log[linesBefore]);
}

void AddTableChecks(Session& session, const std::vector<std::string>& log, Section& section) {
  auto& f = section.findings;
  f.push_back(Answers(session, kTerminalQuery, "Vks1140Trm", log));
  f.push_back(Answers(session, kCommunicationQuery, "Vks1140Com", log));
  f.push_back(Answers(session, kReaderQuery, "Vks401Zls", log));
  if (session.specialSource()) return;
  f.push_back(Answers(session, kTypeTableQuery, "Vks114Tsm", log));
  f.push_back(AssignmentAnswers(session, log));
  f.push_back(Answers(session, kBalanceTables.headers, "O2101SalTab", log));
  f.push_back(Answers(session, kBalanceTables.positions, "G2101SalLst", log));
  f.push_back(Answers(session, kKeyTables.headers, "O2100TastTab", log));
  f.push_back(Answers(session, kKeyTables.positions, "O2108Tta", log));
}

}  // namespace

Section DriverSection(Session& session, const std::vector<std::string>& failureLines) {
  Section section{.id = "driver", .title = "Driver fitness"};
  section.findings.push_back(SecondStatement(session));
  section.findings.push_back(CursorAttributes(session));
  section.findings.push_back(CharacterSet(session));
  AddTableChecks(session, failureLines, section);
  return section;
}

}  // namespace skarvik::check
