// What the parts of the repair planner share: the rules for one column's
// values, the finding a mended value answers, and how a statement names
// its row.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "check/repair/mend_value.h"
#include "check/repair/repair_plan.h"
#include "check/repair/stored_table.h"
#include "db/bound_statement.h"

namespace skarvik::check {

using Conditions = Equalities;

// The rules for a value of column c: its comma, its room, and the trim of
// a key whose blanks at the end are stored (not padded on by the database).
MendRules RulesFor(const StoredTable& table, std::size_t c, char comma);

// The finding a mend answers, by the first rule that changed the value.
std::string FindingOf(const Mended& mended);

// The finding a value answers that the rules refuse to mend: a NUL byte, or
// the rule that would have changed it, or UTF-8 text.
std::string RefusalFinding(const Mended& mended, std::string_view value);

// "UTF-8, comma": the rules that changed the value.
std::string RulesApplied(const Mended& mended);

// value as a condition names it: a CHAR column's padding as its system
// compares it (CharCondition).
std::string Compared(const StoredTable& table, std::size_t c, const std::string& value);

// The conditions that name row: its row-naming columns with their values;
// nothing when one of them is NULL, which no condition can name.
std::optional<Conditions> RowConditions(const StoredTable& table, std::size_t row);

// The row's key as the report shows it: its row-naming values joined by ", ".
std::string RowKey(const StoredTable& table, std::size_t row);

// The rows of each value of column c, by its exact bytes (NULLs left out).
using ValueRows = std::unordered_map<std::string, std::vector<std::size_t>>;
ValueRows RowsByValue(const StoredTable& table, std::size_t c);

// The table of this name; nullptr when the plan reads none.
const StoredTable* TableNamed(const std::vector<StoredTable>& tables, std::string_view name);

}  // namespace skarvik::check
