// The tables repair may change, as the export plan reads them: each with
// the columns its queries read, what each column is to the export, and
// which columns refer to which keys.
//
// Nothing here is a list of its own: the columns are the plan's queries'
// columns, a key is the name column of a table the export walks, a row key
// is the column that names a row among its lookup's rows, and a reference
// is a lookup's key column together with the column its key is taken from
// (each lookup query names it), or a written name the newer system reads
// as a reference (the terminal's balance and key table).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace skarvik::check {

enum class ColumnRole {
  kValue,      // written, or only read
  kKey,        // names its row for the lookups and the lines: TrmNam
  kRowKey,     // names a row among its lookup's rows: ZlsLes
  kReference,  // holds another table's key: ComNam, ZlsTrm, TrmSal
};

struct RepairColumn {
  std::string name;
  ColumnRole role = ColumnRole::kValue;
  bool written = false;  // its value reaches a file
  bool model = false;    // a terminal model, as stored
  std::size_t kept = 0;  // characters of it a file keeps
};

struct PlannedTable {
  std::string name;                   // "Vks1140Trm"
  std::vector<RepairColumn> columns;  // those that name a row first
  // The columns a statement's WHERE names the row by.
  std::vector<std::size_t> rowNames() const;
  // Where column stands; columns.size() when the plan reads none.
  std::size_t indexOf(std::string_view column) const;
};

// A column that holds the value of a key, and the key.
struct KeyReference {
  std::string table;      // Vks401Zls
  std::string column;     // ZlsTrm
  std::string keyTable;   // Vks1140Trm
  std::string keyColumn;  // TrmNam
  bool lookup = true;     // false: a name written into a line, looked up by nothing
};

// Every table the plan reads, in the order it first reads them.
std::vector<PlannedTable> PlannedTables();

// Every column that refers to a key, in plan order.
std::vector<KeyReference> KeyReferences();

}  // namespace skarvik::check
