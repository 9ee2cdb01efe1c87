// A query of the old database, stated once: which cursor runs it, its
// columns (which make both the select list and the bindings), the rest of
// its SQL text, and what its fetch does to a row before handing it over.
#pragma once

#include <span>
#include <string_view>

#include "db/column.h"
#include "db/cursor_policy.h"
#include "db/sql_text.h"

namespace skarvik {

template <class Record>
struct Query {
  CursorKind cursor;
  std::span<const Column<Record>> columns;
  int columnsPerGroup = 0;                // the old texts put a second blank after each group
  const char* from = "";                  // after the select list; "%s" stands for the key
  void (*afterFetch)(Record&) = nullptr;  // after every field was trimmed and cut
};

// What a query reads, whatever record it fills: read off its own SQL text,
// so that the text stays the one place that names them.
struct QueryFacts {
  CursorKind cursor;
  std::string_view table;      // "Vks1140Com"
  std::string_view keyColumn;  // "ComNam"; empty for a query without a key
};

template <class Record>
QueryFacts FactsOf(const Query<Record>& query) {
  return {
      .cursor = query.cursor, .table = TableOf(query.from), .keyColumn = KeyColumnOf(query.from)};
}

}  // namespace skarvik
