#include "check/repair/planned_tables.h"

#include <algorithm>

#include "export/export_plan.h"

namespace skarvik::check {
namespace {

PlannedTable& TableNamed(std::vector<PlannedTable>& tables, std::string_view name) {
  for (PlannedTable& table : tables) {
    if (table.name == name) return table;
  }
  return tables.emplace_back(PlannedTable{.name = std::string(name)});
}

ColumnRole RoleOf(const ColumnFacts& column) {
  switch (column.use) {
    case ColumnUse::kLookupKey:
      return ColumnRole::kKey;
    case ColumnUse::kRowKey:
      return ColumnRole::kRowKey;
    default:
      return ColumnRole::kValue;
  }
}

// A column read by several queries keeps the strongest role and the least
// a file keeps of it.
void AddColumn(PlannedTable& table, RepairColumn column) {
  const auto same = std::find_if(table.columns.begin(), table.columns.end(),
                                 [&](const RepairColumn& c) { return c.name == column.name; });
  if (same == table.columns.end()) {
    table.columns.push_back(std::move(column));
    return;
  }
  if (column.role != ColumnRole::kValue && same->role == ColumnRole::kValue)
    same->role = column.role;
  same->model = same->model || column.model;
  if (column.written) {
    same->kept = same->written ? std::min(same->kept, column.kept) : column.kept;
    same->written = true;
  }
}

void AddQuery(std::vector<PlannedTable>& tables, const QueryFacts& facts) {
  PlannedTable& table = TableNamed(tables, facts.table);
  if (!facts.keyColumn.empty()) {
    AddColumn(table, {.name = std::string(facts.keyColumn), .role = ColumnRole::kReference});
  }
  for (const NamedReference& reference : facts.references) {
    AddColumn(table, {.name = std::string(reference.column), .role = ColumnRole::kReference});
  }
  for (const ColumnFacts& column : facts.columns) {
    const bool written = column.use != ColumnUse::kReadOnly;
    AddColumn(table, {.name = std::string(column.name),
                      .role = RoleOf(column),
                      .written = written,
                      .model = column.use == ColumnUse::kModel,
                      .kept = written ? column.kept : 0});
  }
}

int Rank(ColumnRole role) {
  switch (role) {
    case ColumnRole::kKey:
    case ColumnRole::kReference:
      return 0;
    case ColumnRole::kRowKey:
      return 1;
    case ColumnRole::kValue:
      break;
  }
  return 2;
}

}  // namespace

std::vector<std::size_t> PlannedTable::rowNames() const {
  std::vector<std::size_t> names;
  const bool hasKey = std::any_of(columns.begin(), columns.end(),
                                  [](const RepairColumn& c) { return c.role == ColumnRole::kKey; });
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const ColumnRole role = columns[i].role;
    if (role == ColumnRole::kKey || role == ColumnRole::kRowKey ||
        (!hasKey && role == ColumnRole::kReference)) {
      names.push_back(i);
    }
  }
  return names;
}

std::size_t PlannedTable::indexOf(std::string_view column) const {
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (columns[i].name == column) return i;
  }
  return columns.size();
}

std::vector<PlannedTable> PlannedTables() {
  std::vector<PlannedTable> tables;
  for (const PlannedFile& file : ExportPlan()) {
    for (const PlannedQuery& query : file.queries) AddQuery(tables, query.facts());
  }
  for (PlannedTable& table : tables) {
    std::stable_sort(
        table.columns.begin(), table.columns.end(),
        [](const RepairColumn& a, const RepairColumn& b) { return Rank(a.role) < Rank(b.role); });
  }
  return tables;
}

std::vector<KeyReference> KeyReferences() {
  std::vector<KeyReference> references;
  auto add = [&](KeyReference reference) {
    if (std::find_if(references.begin(), references.end(), [&](const KeyReference& r) {
          return r.table == reference.table && r.column == reference.column &&
                 r.keyTable == reference.keyTable && r.keyColumn == reference.keyColumn;
        }) == references.end()) {
      references.push_back(std::move(reference));
    }
  };
  for (const PlannedFile& file : ExportPlan()) {
    for (const PlannedQuery& query : file.queries) {
      const QueryFacts facts = query.facts();
      for (const ColumnOfQuery& source : facts.keyFrom) {
        add({.table = std::string(facts.table),
             .column = std::string(facts.keyColumn),
             .keyTable = std::string(TableRead(source.cursor)),
             .keyColumn = std::string(source.column)});
      }
      for (const NamedReference& named : facts.references) {
        add({.table = std::string(facts.table),
             .column = std::string(named.column),
             .keyTable = std::string(TableRead(named.names.cursor)),
             .keyColumn = std::string(named.names.column),
             .lookup = false});
      }
    }
  }
  return references;
}

}  // namespace skarvik::check
