#include "check/repair/plan_support.h"

#include <algorithm>

#include "check/report/finding_kinds.h"

namespace skarvik::check {

MendRules RulesFor(const StoredTable& table, std::size_t c, char comma) {
  const RepairColumn& column = table.planned->columns[c];
  const ColumnShape& shape = table.shapes[c];
  std::size_t room = column.kept;
  if (shape.size > 0 && (room == 0 || shape.size < room)) room = shape.size;
  const bool key = column.role == ColumnRole::kKey;
  return {.comma = comma, .trim = key && !shape.padded, .maxLength = room};
}

std::string FindingOf(const Mended& mended) {
  if (mended.applied.empty()) return "";
  switch (mended.applied.front()) {
    case Mend::kUtf8:
      return std::string(KindOf(FindingId::kHazardUtf8).id);
    case Mend::kWindows1252:
    case Mend::kControlByte:
      return std::string(KindOf(FindingId::kHazardControlByte).id);
    case Mend::kLineBreak:
      return std::string(KindOf(FindingId::kHazardLineFeed).id);
    case Mend::kComma:
      return std::string(KindOf(FindingId::kHazardComma).id);
    case Mend::kTrim:
      break;
  }
  return std::string(KindOf(FindingId::kHazardKeyBlanks).id);
}

std::string RefusalFinding(const Mended& mended, std::string_view value) {
  if (value.find('\0') != std::string_view::npos) {
    return std::string(KindOf(FindingId::kHazardNul).id);
  }
  const std::string finding = FindingOf(mended);
  return finding.empty() ? std::string(KindOf(FindingId::kHazardUtf8).id) : finding;
}

std::string RulesApplied(const Mended& mended) {
  std::string names;
  for (const Mend mend : mended.applied) {
    names.append(names.empty() ? "" : ", ").append(MendName(mend));
  }
  return names;
}

std::string Compared(const StoredTable& table, std::size_t c, const std::string& value) {
  return table.shapes[c].padded ? CharCondition(table.system, value) : value;
}

std::optional<Conditions> RowConditions(const StoredTable& table, std::size_t row) {
  Conditions conditions;
  for (const std::size_t c : table.planned->rowNames()) {
    const std::optional<std::string>& value = table.rows[row][c];
    if (!value) return std::nullopt;
    conditions.emplace_back(table.planned->columns[c].name, Compared(table, c, *value));
  }
  return conditions;
}

std::string RowKey(const StoredTable& table, std::size_t row) {
  std::string key;
  for (const std::size_t c : table.planned->rowNames()) {
    key.append(key.empty() ? "" : ", ").append(table.rows[row][c].value_or(""));
  }
  return key;
}

ValueRows RowsByValue(const StoredTable& table, std::size_t c) {
  ValueRows rows;
  for (std::size_t row = 0; row < table.rows.size(); ++row) {
    if (table.rows[row][c]) rows[*table.rows[row][c]].push_back(row);
  }
  return rows;
}

const StoredTable* TableNamed(const std::vector<StoredTable>& tables, std::string_view name) {
  for (const StoredTable& table : tables) {
    if (table.planned->name == name) return &table;
  }
  return nullptr;
}

}  // namespace skarvik::check
