#include "db/cursor.h"

#include <sqlext.h>

#include "db/diagnostics.h"
#include "db/sql_text.h"

namespace skarvik {
namespace {

void SetStatementAttributes(SQLHSTMT stmt, Concurrency concurrency, bool unqualifiedNames) {
  if (concurrency == Concurrency::kNotSet) return;
  // Drivers may refuse either attribute or answer with information; the
  // queries run on the driver's default cursor then, which is all they need.
  SQLSetStmtAttr(stmt, SQL_ATTR_CURSOR_SCROLLABLE, reinterpret_cast<SQLPOINTER>(SQL_NONSCROLLABLE),
                 SQL_IS_INTEGER);
  const bool readOnly = concurrency == Concurrency::kByNames && unqualifiedNames;
  SQLSetStmtAttr(stmt, SQL_ATTR_CONCURRENCY,
                 reinterpret_cast<SQLPOINTER>(readOnly ? SQL_CONCUR_READ_ONLY : SQL_CONCUR_LOCK),
                 SQL_IS_INTEGER);
}

std::string TextFor(const CursorPolicy& policy, const Session& session, std::string select) {
  if (policy.hasUnqualifiedVariant && session.unqualifiedNames()) return Unqualified(select);
  return select;
}

}  // namespace

StatementCursor::StatementCursor(Session& session, CursorKind kind, std::string selectText)
    : session_(session),
      policy_(PolicyFor(kind)),
      selectText_(TextFor(policy_, session, std::move(selectText))) {}

int StatementCursor::open(std::string_view key) {
  stmtText_ = KeyedSql(selectText_, key);
  if (!SQL_SUCCEEDED(stmt_.allocate(session_.hDbc()))) {
    // Without a statement the query cannot run at all: that is a failure of
    // the run, not an empty table.
    sqlCode_ = SQL_ERROR;
    const DiagRecord diag = SQL_GetDiag(SQL_HANDLE_DBC, session_.hDbc());
    session_.logQueryFailure(policy_.openTag, SQL_ERROR, diag.message.view(), stmtText_);
    return SQL_ERROR;
  }
  SetStatementAttributes(stmt_.get(), policy_.concurrency, session_.unqualifiedNames());

  sqlCode_ = SQLExecDirect(stmt_.get(), reinterpret_cast<SQLCHAR*>(stmtText_.data()), SQL_NTS);
  if (sqlCode_ == SQL_SUCCESS_WITH_INFO) sqlCode_ = SQL_SUCCESS;
  if (sqlCode_ != SQL_ERROR) return sqlCode_;

  const DiagRecord diag = SQL_GetDiag(SQL_HANDLE_STMT, stmt_.get());
  if (policy_.openShows == FailureNumber::kNative) sqlCode_ = diag.nativeError;
  stmt_.reset();
  session_.logQueryFailure(policy_.openTag, sqlCode_, diag.message.view(), stmtText_);
  return policy_.openReturns == FailureNumber::kNative ? sqlCode_ : SQL_ERROR;
}

void StatementCursor::bind(int number, char* field, std::size_t width) {
  SQLBindCol(stmt_.get(), static_cast<SQLUSMALLINT>(number), SQL_C_CHAR, field,
             static_cast<SQLLEN>(width), &bindIndicator_);
}

int StatementCursor::fetchRow() {
  sqlCode_ = SQL_ERROR;
  if (!stmt_) return SQL_ERROR;
  sqlCode_ = SQLFetch(stmt_.get());
  if (sqlCode_ == SQL_SUCCESS_WITH_INFO) sqlCode_ = SQL_SUCCESS;
  if (sqlCode_ != SQL_ERROR) return sqlCode_;

  const DiagRecord diag = SQL_GetDiag(SQL_HANDLE_STMT, stmt_.get());
  stmt_.reset();
  if (policy_.logsFetchFailure) {
    session_.logQueryFailure(policy_.fetchTag, SQL_ERROR, diag.message.view(), stmtText_);
  }
  return SQL_ERROR;
}

int StatementCursor::close() {
  if (!stmt_) return sqlCode_;
  sqlCode_ = stmt_.reset();
  return sqlCode_;
}

}  // namespace skarvik
