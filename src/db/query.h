// A query of the old database, stated once: which cursor runs it, its
// columns (which make both the select list and the bindings), the rest of
// its SQL text, and what its fetch does to a row before handing it over.
#pragma once

#include <span>

#include "db/column.h"
#include "db/cursor_policy.h"

namespace skarvik {

template <class Record>
struct Query {
  CursorKind cursor;
  std::span<const Column<Record>> columns;
  int columnsPerGroup;                    // the old texts put a second blank after each group
  const char* from;                       // after the select list; "%s" stands for the key
  void (*afterFetch)(Record&) = nullptr;  // after every field was trimmed
};

}  // namespace skarvik
