#include "db/cursor.h"

#include <algorithm>
#include <cstring>

#include "db/diagnostics.h"
#include "db/sql_text.h"

namespace skarvik {
namespace {

// A value four times as long as its field is shown whole; a longer one is
// shown in part and known by the length the driver reports. The buffers
// stay small because the SQLite ODBC driver 0.9998 pads every buffer with
// NULs to its full size on every fetch (strncpy), which a few kilobytes per
// column would make the slowest part of a run.
constexpr std::size_t kWideFactor = 4;
constexpr std::size_t kWideMinimum = 64;

std::string TextFor(const CursorPolicy& policy, const Session& session, std::string select) {
  if (policy.names == TableNames::kBothForms && session.unqualifiedNames()) {
    return Unqualified(select);
  }
  return select;
}

}  // namespace

CursorAttributes SetCursorAttributes(SQLHSTMT stmt, CursorKind kind, const Session& session) {
  const CursorPolicy& policy = PolicyFor(kind);
  if (policy.concurrency == Concurrency::kNotSet) return {};
  // A driver may refuse either attribute or change it (01S02: psqlODBC 13
  // and MariaDB Connector/ODBC 3.1.15 both turn SQL_CONCUR_LOCK into
  // another concurrency). The queries then run on the cursor the driver
  // gives, which is all they need.
  const bool readOnly = policy.concurrency == Concurrency::kByNames && session.unqualifiedNames();
  return {
      .scrolling = SQLSetStmtAttr(stmt, SQL_ATTR_CURSOR_SCROLLABLE,
                                  reinterpret_cast<SQLPOINTER>(SQL_NONSCROLLABLE), SQL_IS_INTEGER),
      .concurrency = SQLSetStmtAttr(
          stmt, SQL_ATTR_CONCURRENCY,
          reinterpret_cast<SQLPOINTER>(readOnly ? SQL_CONCUR_READ_ONLY : SQL_CONCUR_LOCK),
          SQL_IS_INTEGER)};
}

bool RunsOn(CursorKind kind, const Session& session) {
  return PolicyFor(kind).names == TableNames::kBothForms || !session.unqualifiedNames();
}

StatementCursor::StatementCursor(Session& session, CursorKind kind, std::string selectText)
    : session_(session),
      policy_(PolicyFor(kind)),
      selectText_(TextFor(policy_, session, std::move(selectText))) {}

void StatementCursor::logFailure(std::string_view tag, long number, const DiagRecord& diag) {
  session_.logQueryFailure(tag, number, diag.message.view(), stmtText_);
}

bool StatementCursor::open(std::string_view key) {
  stmtText_ = KeyedSql(selectText_, key);
  if (!SQL_SUCCEEDED(stmt_.allocate(session_.hDbc()))) {
    // Without a statement the query cannot run at all: that is a failure of
    // the run, not an empty table.
    logFailure(policy_.openTag, SQL_ERROR, SQL_GetDiag(SQL_HANDLE_DBC, session_.hDbc()));
    return false;
  }
  SetCursorAttributes(stmt_.get(), policy_.kind, session_);

  const SQLRETURN rc =
      SQLExecDirect(stmt_.get(), reinterpret_cast<SQLCHAR*>(stmtText_.data()), SQL_NTS);
  if (SQL_SUCCEEDED(rc)) return true;
  if (rc != SQL_ERROR) return false;

  const DiagRecord diag = SQL_GetDiag(SQL_HANDLE_STMT, stmt_.get());
  stmt_.reset();
  const long shown = policy_.openShows == FailureNumber::kNative ? diag.nativeError : SQL_ERROR;
  logFailure(policy_.openTag, shown, diag);
  return false;
}

void StatementCursor::bind(int number, char* field, std::size_t width) {
  SQLBindCol(stmt_.get(), static_cast<SQLUSMALLINT>(number), SQL_C_CHAR, field,
             static_cast<SQLLEN>(width), &bindIndicator_);
}

void StatementCursor::bindWide(std::span<const std::size_t> fieldWidths) {
  // Sized once per cursor, before any binding: the driver keeps the
  // addresses, and a lookup run for every terminal reuses them. Nothing is
  // cleared: the length the driver reports says what a buffer holds.
  const std::size_t columnCount = fieldWidths.size();
  if (wide_.size() != columnCount) {
    wide_.assign(columnCount, {});
    for (std::size_t i = 0; i < columnCount; ++i) {
      wide_[i].bytes.resize(std::max(kWideFactor * fieldWidths[i], kWideMinimum));
    }
  }
  for (std::size_t i = 0; i < columnCount; ++i) {
    WideColumn& column = wide_[i];
    SQLBindCol(stmt_.get(), static_cast<SQLUSMALLINT>(i + 1), SQL_C_CHAR, column.bytes.data(),
               static_cast<SQLLEN>(column.bytes.size()), &column.length);
  }
}

RawField StatementCursor::takeWide(int number, const char* name, char* field, std::size_t width) {
  const WideColumn& column = wide_[number - 1];
  const std::size_t room = column.bytes.size() - 1;
  std::size_t length = 0;
  if (column.length == SQL_NO_TOTAL) {
    length = ::strnlen(column.bytes.data(), room);
  } else if (column.length > 0) {
    length = static_cast<std::size_t>(column.length);
  }
  const bool cut = length > room;
  const std::string_view value(column.bytes.data(), cut ? room : length);
  // What the driver would have put into the field itself: as much as fits.
  std::memcpy(field, value.data(), value.size() < width ? value.size() : width);
  return {.column = name, .value = value, .cut = cut, .width = width};
}

Fetch StatementCursor::fetchRow() {
  if (!stmt_) return Fetch::kFailed;
  const SQLRETURN rc = SQLFetch(stmt_.get());
  if (SQL_SUCCEEDED(rc)) return Fetch::kRow;
  if (rc == SQL_NO_DATA) return Fetch::kEnd;
  if (rc != SQL_ERROR) return Fetch::kFailed;

  const DiagRecord diag = SQL_GetDiag(SQL_HANDLE_STMT, stmt_.get());
  stmt_.reset();
  logFailure(policy_.fetchTag, SQL_ERROR, diag);
  return Fetch::kFailed;
}

}  // namespace skarvik
