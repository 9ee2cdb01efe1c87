#include "check/preflight/driver_fitness.h"

#include <set>

#include "check/report/finding_kinds.h"
#include "check/source/character_set.h"
#include "check/source/query_failures.h"
#include "db/cursor.h"
#include "db/diagnostics.h"
#include "db/sql_text.h"
#include "export/export_plan.h"
#include "export/reader_lines.h"
#include "export/terminal_lines.h"

namespace skarvik::check {
namespace {

using enum FindingId;

// A check that passes or fails; a failure blocks the run.
Finding Check(FindingId which, bool passed, std::string detail = "") {
  return Checked(MakeFinding(which), passed, std::move(detail));
}

std::string NameOf(const Session& session, const QueryFacts& query) {
  return TableName(query.table, session.unqualifiedNames());
}

std::string StatementState(SQLHSTMT stmt) {
  return SQL_GetDiag(SQL_HANDLE_STMT, stmt).sqlState.cStr();
}

bool Execute(StmtHandle& stmt, Session& session, std::string sql) {
  return SQL_SUCCEEDED(stmt.allocate(session.hDbc())) &&
         SQL_SUCCEEDED(SQLExecDirect(stmt.get(), reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS));
}

// The reader cursor runs while the terminal cursor still has rows.
Finding SecondStatement(Session& session) {
  StmtHandle first;
  const std::string terminals = std::string(kTerminalQuery.columns.front().name) + " FROM " +
                                NameOf(session, FactsOf(kTerminalQuery));
  if (!Execute(first, session, "SELECT " + terminals)) {
    return Check(kSecondStatement, false, StatementError(first.get()));
  }
  if (SQLFetch(first.get()) == SQL_NO_DATA) {
    return Check(kSecondStatement, true,
                 "not tried: the terminal table has no rows, so nothing nests");
  }
  StmtHandle second;
  const bool ran =
      Execute(second, session, "SELECT COUNT(*) FROM " + NameOf(session, FactsOf(kReaderQuery))) &&
      SQL_SUCCEEDED(SQLFetch(second.get()));
  return Check(kSecondStatement, ran, ran ? "" : StatementError(second.get()));
}

// The export asks for a forward-only cursor and a concurrency, and runs on
// whatever the driver gives instead.
Finding CursorChoice(Session& session) {
  StmtHandle stmt;
  stmt.allocate(session.hDbc());
  const CursorAttributes asked = SetCursorAttributes(stmt.get(), kTerminalQuery.cursor, session);
  const SQLRETURN scrolling = asked.scrolling;
  const SQLRETURN concurrent = asked.concurrency;
  std::string detail = "accepted as asked";
  if (scrolling == SQL_SUCCESS_WITH_INFO || concurrent == SQL_SUCCESS_WITH_INFO) {
    detail = "changed by the driver (" + StatementState(stmt.get()) +
             "), which is fine: the export reads forward only";
  } else if (!SQL_SUCCEEDED(scrolling) || !SQL_SUCCEEDED(concurrent)) {
    detail = "refused (" + StatementState(stmt.get()) +
             "), which is fine: the export then runs on the driver's default cursor";
  }
  return Check(kCursorAttributes, true, detail);
}

// Whether the table of query answers the export's own SQL text; a failure
// shows the line the run log would get. A table read by a second query (the
// lookup of a table's terminal type) is checked for that one too.
Finding Answers(Session& session, const PlannedQuery& query, bool tableSeen,
                const QueryFailures& failures) {
  const QueryFacts facts = query.facts();
  const std::size_t failuresBefore = failures.count();
  query.tryOnce(session);
  const bool passed = failures.count() == failuresBefore;
  const Finding kind = MakeFinding(tableSeen ? kAssignmentAnswers : kTableAnswers,
                                   {{"table", facts.table},
                                    {"name", NameOf(session, facts)},
                                    {"tag", PolicyFor(facts.cursor).openTag}});
  return Checked(kind, passed, passed ? "" : std::string(failures.errorLine(failuresBefore)));
}

// Each query of the plan that runs on this session, once.
void AddTableChecks(Session& session, const QueryFailures& failures, Section& section) {
  std::set<CursorKind> cursors;
  std::set<std::string_view> tables;
  for (const PlannedFile& file : ExportPlan()) {
    if (!WrittenOn(file, session)) continue;
    for (const PlannedQuery& query : file.queries) {
      const QueryFacts facts = query.facts();
      if (!RunsOn(facts.cursor, session) || !cursors.insert(facts.cursor).second) continue;
      const bool tableSeen = !tables.insert(facts.table).second;
      section.findings.push_back(Answers(session, query, tableSeen, failures));
    }
  }
}

}  // namespace

Section DriverSection(Session& session, const QueryFailures& failures) {
  Section section{.id = "driver", .title = "Driver fitness"};
  section.findings.push_back(SecondStatement(session));
  section.findings.push_back(CursorChoice(session));
  section.findings.push_back(CharacterSetCheck(session));
  AddTableChecks(session, failures, section);
  return section;
}

}  // namespace skarvik::check
