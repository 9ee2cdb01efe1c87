// A table of the plan as the database holds it: every row, every planned
// column, all its bytes, and what the database says of each column's type.
// Repair plans from these rows, not from the findings: one field of a file
// may come from several columns, and one column may feed several fields.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "check/repair/planned_tables.h"
#include "check/repair/sql_dialect.h"
#include "db/session.h"

namespace skarvik::check {

struct ColumnShape {
  std::size_t size = 0;  // characters the column holds; 0 when the driver does not say
  bool padded = false;   // CHAR: the database pads the value with blanks
};

struct StoredTable {
  const PlannedTable* planned = nullptr;
  DatabaseSystem system = DatabaseSystem::kSqlite;            // whose CHAR comparisons apply
  std::vector<ColumnShape> shapes;                            // by planned column
  std::vector<std::vector<std::optional<std::string>>> rows;  // NULL: nothing
};

// Every row of table, through the session's names ("VKSYSTEM.Vks1140Trm");
// nothing when the query failed, with the driver's account in error.
std::optional<StoredTable> ReadStoredTable(Session& session, const PlannedTable& table,
                                           std::string& error);

}  // namespace skarvik::check
