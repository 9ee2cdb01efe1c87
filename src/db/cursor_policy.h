// How the cursors of the old system differ from one another.
//
// All queries follow one open/fetch/close convention; what sets them apart
// is data: the tags of their log lines, whether a variant without the
// "VKSYSTEM." qualifier exists, which concurrency they ask for, and which
// number a failed open shows in the log. One row per cursor, in
// cursor_policy.cpp.
#pragma once

#include <string_view>

namespace skarvik {

// Each cursor is named after what it reads; its log tags, the old system's
// names, stand in its row of the cursor table.
enum class CursorKind {
  kTerminals,
  kCommunication,
  kReaders,
  kBalanceHeaders,
  kAssignment,
  kBalancePositions,
  kKeyHeaders,
  kKeyPositions,
  kTypeTable,
};

// Whether the special data source, whose tables carry no schema, has a text
// of its own for the cursor. Cursors without one run only on ordinary
// sources.
enum class TableNames {
  kQualifiedOnly,  // always "VKSYSTEM.Table"
  kBothForms,      // "Table" on the special data source
};

enum class Concurrency {
  kNotSet,      // no statement attributes at all: the driver's default cursor
  kByNames,     // read-only on the special data source, lock otherwise
  kAlwaysLock,  // lock, whatever the source
};

// The number a failure line shows after "ERROR:".
enum class FailureNumber {
  kNative,    // the driver's native error of its first diagnostic record
  kSqlError,  // -1, the ODBC error code itself
};

struct CursorPolicy {
  CursorKind kind;
  std::string_view openTag;   // log tag of a failed open
  std::string_view fetchTag;  // log tag of a failed fetch, which shows -1
  TableNames names;
  Concurrency concurrency;
  FailureNumber openShows;
};

const CursorPolicy& PolicyFor(CursorKind kind);

}  // namespace skarvik
