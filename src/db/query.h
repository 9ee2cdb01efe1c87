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
  int columnsPerGroup = 0;                // the old texts put a second blank after each group
  const char* from = "";                  // after the select list; "%s" stands for the key
  void (*afterFetch)(Record&) = nullptr;  // after every field was trimmed
};

// An afterFetch for a long column of which the newer system keeps only the
// beginning: the whole value is fetched into kWhole, and kCut receives what
// fits, without the blanks the cut leaves at its end.
template <auto kWhole, auto kCut, class Record = typename detail::FieldOf<kWhole>::Record>
void CutInto(Record& row) {
  (row.*kCut).assignCut((row.*kWhole).view());
}

}  // namespace skarvik
