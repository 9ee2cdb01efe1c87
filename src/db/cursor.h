// The one way every query of the old database is run.
//
// A cursor owns its statement handle and borrows the session: the session
// must outlive it. open() formats the SQL text (with its key, quotes
// doubled) and executes it; fetch() fills a zeroed private row, ends every
// field with a NUL, trims trailing blanks and tabs, runs the query's own
// post-processing and copies the row over the caller's record; close()
// frees the statement. A failure writes the cursor's two failure lines to
// the run log, frees the statement and returns the code of the cursor
// table. The result codes are the old system's: 0, 100 at the end of the
// rows, -1 on failure, any other driver code as it came.
//
// The columns are bound once per open to the private row, which lives in
// the cursor; the cursor therefore cannot be copied or moved.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/odbc.h"
#include "db/cursor_policy.h"
#include "db/odbc_handle.h"
#include "db/query.h"
#include "db/session.h"
#include "db/sql_text.h"
#include "db/text.h"

namespace skarvik {

// The part of a cursor that does not depend on the record type.
class StatementCursor {
 public:
  StatementCursor(Session& session, CursorKind kind, std::string selectText);
  StatementCursor(const StatementCursor&) = delete;
  StatementCursor& operator=(const StatementCursor&) = delete;

  int open(std::string_view key);
  // Binds one character column to a field of width bytes.
  void bind(int number, char* field, std::size_t width);
  // The driver's fetch: 0 for a row, otherwise the code to return.
  int fetchRow();
  int close();

  bool isOpen() const { return static_cast<bool>(stmt_); }
  std::string_view stmtText() const { return stmtText_; }
  int sqlCode() const { return sqlCode_; }

 private:
  Session& session_;
  const CursorPolicy& policy_;
  std::string selectText_;
  StmtHandle stmt_;
  std::string stmtText_;
  int sqlCode_ = 0;
  // Never read: a NULL column and an empty one both read as empty text.
  SQLLEN bindIndicator_ = 0;
};

template <class Record>
class Cursor {
 public:
  Cursor(Session& session, const Query<Record>& query)
      : query_(query), core_(session, query.cursor, SelectTextOf(query)) {}

  int open(std::string_view key = {}) {
    const int result = core_.open(key);
    if (core_.isOpen()) bindColumns();
    return result;
  }

  int fetch(Record& record) {
    row_ = Record{};
    const int result = core_.fetchRow();
    if (result != 0) return result;
    for (const Column<Record>& column : query_.columns) {
      char* field = column.field(row_);
      field[column.width - 1] = '\0';
      RTrim(field, column.width);
    }
    if (query_.afterFetch != nullptr) query_.afterFetch(row_);
    record = row_;
    return 0;
  }

  int close() { return core_.close(); }

  // Open, fetch one row, close: the one-shot lookups.
  int fetchOne(std::string_view key, Record& record) {
    const int opened = open(key);
    if (!core_.isOpen()) return opened;
    const int fetched = fetch(record);
    close();
    return fetched;
  }

  std::string_view stmtText() const { return core_.stmtText(); }

 private:
  static std::string SelectTextOf(const Query<Record>& query) {
    std::vector<const char*> names;
    for (const Column<Record>& column : query.columns) names.push_back(column.name);
    return SelectList(names, query.columnsPerGroup) + query.from;
  }

  void bindColumns() {
    int number = 1;
    for (const Column<Record>& column : query_.columns) {
      core_.bind(number++, column.field(row_), column.width);
    }
  }

  const Query<Record>& query_;
  StatementCursor core_;
  Record row_{};
};

}  // namespace skarvik
