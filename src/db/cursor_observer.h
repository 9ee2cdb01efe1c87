// A way to watch the cursors of a session at work without changing what
// they deliver.
//
// The export never sets one. A companion that forecasts a migration does:
// it learns which key every query ran for, sees every row as the driver
// delivered it, before a field was cut to its width and trimmed, and hears
// of the rows a one-row lookup leaves unread.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "db/column.h"
#include "db/cursor_policy.h"

namespace skarvik {

// A column's value as the driver delivered it, and as the fetch left it in
// the record.
struct RawField {
  const char* column;
  std::string_view value;  // all the bytes the driver reported, NULs included
  // The record's field after the fetch: cut to its width, trimmed and
  // brought into form by the query, as the export goes on with it.
  std::string_view fetched;
  bool cut;           // longer than the wide buffer: value is its beginning
  std::size_t width;  // the record field's bytes, its NUL included
  ColumnUse use;      // whether the value reaches a file
  std::size_t kept;   // characters of it the file keeps
};

class CursorObserver {
 public:
  virtual ~CursorObserver() = default;
  // The query of kind ran for key ("" for one without a key).
  virtual void opened(CursorKind kind, std::string_view key) = 0;
  // A row arrived and was fetched into its record; fields in select-list
  // order.
  virtual void fetched(CursorKind kind, std::span<const RawField> fields) = 0;
  // A one-row lookup for key had a further row, which the export never reads.
  virtual void leftUnread(CursorKind kind, std::string_view key) = 0;
};

}  // namespace skarvik
