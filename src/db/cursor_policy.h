// How the cursors of the old system differ from one another.
//
// All queries follow one open/fetch/close convention; what sets them apart
// is data: the tag of their log lines, whether a variant without the
// "VKSYSTEM." qualifier exists, which concurrency they ask for, and what a
// failure shows in the log and returns to the caller. One row per cursor.
#pragma once

#include <string_view>

namespace skarvik {

enum class CursorKind {
  kTermAlt,
  kComParm,
  kReader,
  kSldKopf,
  kGetTerm,
  kSldPos,
  kTstKopf,
  kTstPos,
  kVks114Tsm,
};

enum class Concurrency {
  kNotSet,   // no statement attributes at all: the driver's default cursor
  kByNames,  // read-only on the special data source, lock otherwise
  kAlwaysLock,
};

// The number of a failure: the driver's native error, or -1 (SQL_ERROR).
enum class FailureNumber { kNative, kSqlError };

struct CursorPolicy {
  CursorKind kind;
  std::string_view openTag;
  std::string_view fetchTag;
  bool hasUnqualifiedVariant;
  Concurrency concurrency;
  FailureNumber openShows;
  FailureNumber openReturns;
  bool logsFetchFailure;  // a fetch failure always returns -1
};

const CursorPolicy& PolicyFor(CursorKind kind);

}  // namespace skarvik
