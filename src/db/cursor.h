// The one way every query of the old database is run.
//
// A cursor owns its statement handle and borrows the session: the session
// must outlive it. Opening formats the SQL text (with its key, quotes
// doubled) and executes it; every fetch fills a zeroed private row, ends
// every field with a NUL, trims trailing blanks and tabs, runs the query's
// own post-processing and copies the row over the record the caller sees.
// A failure writes the cursor's two failure lines to the run log through
// the session and frees the statement; the caller sees only that no more
// rows come.
//
// The rows of one opening are a range whose end closes the cursor:
//
//   for (TerminalRecord& terminal : terminals.rows()) { ... }
//
// The columns are bound once per opening to the private row, which lives in
// the cursor; the cursor therefore cannot be copied or moved.
#pragma once

#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "db/cursor_observer.h"
#include "db/cursor_policy.h"
#include "db/diagnostics.h"
#include "db/odbc.h"
#include "db/odbc_handle.h"
#include "db/query.h"
#include "db/session.h"
#include "db/sql_text.h"

namespace skarvik {

// What a driver answered to the statement attributes a cursor asks for.
struct CursorAttributes {
  SQLRETURN scrolling = SQL_SUCCESS;
  SQLRETURN concurrency = SQL_SUCCESS;
};

// Asks stmt for the cursor that kind runs on with this session: forward
// only, read-only on the special data source or locking, as the cursor
// table says.
CursorAttributes SetCursorAttributes(SQLHSTMT stmt, CursorKind kind, const Session& session);

// Whether the query of kind runs on this session: the special data source
// runs only the queries that have a text without "VKSYSTEM.".
bool RunsOn(CursorKind kind, const Session& session);

// What a fetch brought: a row, the end of the rows, or a failure (logged
// when the driver reported one; a cursor without a statement, after a
// failed open, fails silently, since the open was logged already).
enum class Fetch { kRow, kEnd, kFailed };

// The part of a cursor that does not depend on the record type.
class StatementCursor {
 public:
  StatementCursor(Session& session, CursorKind kind, std::string selectText);
  StatementCursor(const StatementCursor&) = delete;
  StatementCursor& operator=(const StatementCursor&) = delete;

  // True when the statement ran. False when it did not: a failure the
  // driver reported has been logged; an answer that is neither success nor
  // error (a driver that wants data or is still executing, which a SELECT
  // never asks for) is taken for no rows, without a log line.
  bool open(std::string_view key);
  // Binds one character column to a field of width bytes.
  void bind(int number, char* field, std::size_t width);
  Fetch fetchRow();
  void close() { stmt_.reset(); }

  CursorObserver* observer() const { return session_.cursorObserver(); }

  // For an observer: binds a column into a wide buffer of the cursor's own
  // instead of its field, so that a value longer than the field is seen
  // whole. After each fetch takeWide() fills the field with what the
  // driver would have put there and hands over the whole value.
  void bindWide(std::span<const std::size_t> fieldWidths);
  RawField takeWide(int number, const char* name, char* field, std::size_t width);

 private:
  struct WideColumn {
    std::vector<char> bytes;
    SQLLEN length = 0;
  };

  void logFailure(std::string_view tag, long number, const DiagRecord& diag);

  Session& session_;
  const CursorPolicy& policy_;
  std::string selectText_;
  StmtHandle stmt_;
  std::string stmtText_;
  // Never read: a NULL column and an empty one both read as empty text.
  SQLLEN bindIndicator_ = 0;
  std::vector<WideColumn> wide_;  // only while observed
};

template <class Record>
class Cursor {
 public:
  Cursor(Session& session, const Query<Record>& query)
      : query_(query), core_(session, query.cursor, selectTextOf(query)) {}

  class Rows;
  // The rows of the query for key; the cursor is closed when the range
  // goes out of scope. One range at a time per cursor.
  Rows rows(std::string_view key = {}) { return Rows(*this, key); }

  // The one-shot lookups: the first row for key, if there is one; the
  // statement is freed before this returns.
  std::optional<Record> first(std::string_view key) {
    Rows all = rows(key);
    auto row = all.begin();
    if (row == all.end()) return std::nullopt;
    Record found = *row;
    CursorObserver* observer = core_.observer();
    if (observer != nullptr && core_.fetchRow() == Fetch::kRow) {
      observer->leftUnread(query_.cursor, key);
    }
    return found;
  }

 private:
  static std::string selectTextOf(const Query<Record>& query) {
    std::vector<const char*> names;
    for (const Column<Record>& column : query.columns) names.push_back(column.name);
    return SelectList(names, query.columnsPerGroup) + query.from;
  }

  void open(std::string_view key) {
    if (!core_.open(key)) {
      core_.close();
      return;
    }
    observer_ = core_.observer();
    if (observer_ != nullptr) {
      std::vector<std::size_t> widths;
      for (const Column<Record>& column : query_.columns) widths.push_back(column.width);
      core_.bindWide(widths);
      observer_->opened(query_.cursor, key);
      return;
    }
    int number = 1;
    for (const Column<Record>& column : query_.columns) {
      core_.bind(number++, column.field(row_), column.width);
    }
  }

  // The wide buffers' values, each also into its field as the driver
  // would have put it there.
  void takeWideRow() {
    raw_.clear();
    int number = 1;
    for (const Column<Record>& column : query_.columns) {
      RawField raw = core_.takeWide(number++, column.name, column.field(row_), column.width);
      raw.use = column.use;
      raw.kept = column.kept;
      raw_.push_back(raw);
    }
  }

  void showRowToObserver() {
    std::size_t i = 0;
    for (const Column<Record>& column : query_.columns) {
      const char* field = column.field(row_);
      raw_[i++].fetched = std::string_view(field, ::strnlen(field, column.width));
    }
    observer_->fetched(query_.cursor, raw_);
  }

  // True with the next row in current_.
  bool advance() {
    row_ = Record{};
    if (core_.fetchRow() != Fetch::kRow) return false;
    if (observer_ != nullptr) takeWideRow();
    for (const Column<Record>& column : query_.columns) {
      char* field = column.field(row_);
      field[column.width - 1] = '\0';
      RTrim(field, column.width);
    }
    for (const Column<Record>& column : query_.columns) {
      if (column.cut != nullptr) column.cut(row_);
    }
    if (query_.afterFetch != nullptr) query_.afterFetch(row_);
    if (observer_ != nullptr) showRowToObserver();
    current_ = row_;
    return true;
  }

  const Query<Record>& query_;
  StatementCursor core_;
  Record row_{};      // bound to the statement's columns
  Record current_{};  // the row the caller sees and may change
  CursorObserver* observer_ = nullptr;
  std::vector<RawField> raw_;  // reused for every observed row
};

template <class Record>
class Cursor<Record>::Rows {
 public:
  struct End {};
  class Iterator {
   public:
    explicit Iterator(Cursor* cursor, bool hasRow) : cursor_(cursor), hasRow_(hasRow) {}
    Record& operator*() const { return cursor_->current_; }
    Iterator& operator++() {
      hasRow_ = cursor_->advance();
      return *this;
    }
    bool operator==(End) const { return !hasRow_; }

   private:
    Cursor* cursor_;
    bool hasRow_;
  };

  Rows(Cursor& cursor, std::string_view key) : cursor_(cursor) { cursor_.open(key); }
  ~Rows() { cursor_.core_.close(); }
  Rows(const Rows&) = delete;
  Rows& operator=(const Rows&) = delete;

  Iterator begin() { return Iterator(&cursor_, cursor_.advance()); }
  End end() const { return {}; }

 private:
  Cursor& cursor_;
};

}  // namespace skarvik
