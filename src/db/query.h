// A query of the old database, stated once: which cursor runs it, its
// columns (which make both the select list and the bindings), the rest of
// its SQL text, and what its fetch does to a row before handing it over.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "db/column.h"
#include "db/cursor_policy.h"
#include "db/sql_text.h"

namespace skarvik {

// A column of another query's rows: where a lookup takes its key from, or
// what a written name refers to.
struct ColumnOfQuery {
  CursorKind cursor;
  std::string_view column;
};

// A column whose value names a row of another query without a lookup: the
// newer system reads it from the line as a reference.
struct NamedReference {
  std::string_view column;
  ColumnOfQuery names;
};

template <class Record>
struct Query {
  CursorKind cursor;
  std::span<const Column<Record>> columns;
  int columnsPerGroup = 0;                // the old texts put a second blank after each group
  const char* from = "";                  // after the select list; "%s" stands for the key
  void (*afterFetch)(Record&) = nullptr;  // after every field was trimmed and cut
  // A lookup: the columns whose values it is run with, in every pass.
  std::span<const ColumnOfQuery> keyFrom = {};
  std::span<const NamedReference> references = {};
};

// A column as a query reads it, whatever record it fills.
struct ColumnFacts {
  std::string_view name;
  ColumnUse use;
  std::size_t kept;  // characters of the value a file keeps
};

// What a query reads, whatever record it fills: its table and key column
// read off its own SQL text, so that the text stays the one place that
// names them.
struct QueryFacts {
  CursorKind cursor;
  std::string_view table;      // "Vks1140Com"
  std::string_view keyColumn;  // "ComNam"; empty for a query without a key
  std::vector<ColumnFacts> columns;
  std::span<const ColumnOfQuery> keyFrom;
  std::span<const NamedReference> references;
};

template <class Record>
QueryFacts FactsOf(const Query<Record>& query) {
  QueryFacts facts{.cursor = query.cursor,
                   .table = TableOf(query.from),
                   .keyColumn = KeyColumnOf(query.from),
                   .keyFrom = query.keyFrom,
                   .references = query.references};
  for (const Column<Record>& column : query.columns) {
    facts.columns.push_back({.name = column.name, .use = column.use, .kept = column.kept});
  }
  return facts;
}

}  // namespace skarvik
