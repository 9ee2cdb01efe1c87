// What only the administrator can decide, written out so that the decision
// is a matter of filling in: a model code the newer system does not know,
// with the codes it does; rows that share a key, each with the values that
// tell them apart; rows without a key, with what else they hold. Nothing is
// changed for them.
#include <algorithm>
#include <map>

#include "check/repair/plan_support.h"
#include "check/repair/planner.h"
#include "check/report/finding_kinds.h"
#include "export/model_codes.h"

namespace skarvik::check {
namespace {

// "1 = 8316-001, 2 = 8316-300, ...": what a code may become.
std::vector<std::string> KnownCodes() {
  std::vector<std::string> lines = {"the codes the export knows:"};
  std::string line;
  for (const TypeCode& code : TypeCodes()) {
    const std::string entry = std::to_string(code.code) + " = " + std::string(code.model);
    if (line.size() + entry.size() + 2 > 70) lines.push_back(std::exchange(line, ""));
    line.append(line.empty() ? "" : ", ").append(entry);
  }
  lines.push_back(line);
  lines.emplace_back("or a model string of eight characters, such as 8373-011");
  return lines;
}

// A short stored type that maps to no model.
bool UnknownCode(std::string_view stored) {
  const std::string_view trimmed = RTrimmed(stored);
  if (trimmed.size() >= kModelStringMinLength) return false;
  ModelString model;
  model.assign(trimmed);
  MapTerminalType(model, "");
  return model == kUnknownModel;
}

void UnknownModels(const StoredTable& table, RepairPlan& plan) {
  for (std::size_t c = 0; c < table.planned->columns.size(); ++c) {
    if (!table.planned->columns[c].model) continue;
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
      const std::optional<std::string>& stored = table.rows[row][c];
      const std::optional<Conditions> where = RowConditions(table, row);
      if (!stored || !UnknownCode(*stored) || !where) continue;
      Conditions guarded = *where;
      guarded.emplace_back(table.planned->columns[c].name, Compared(table, c, *stored));
      plan.templates.push_back({.findingId = std::string(KindOf(FindingId::kUnknownModel).id),
                                .table = table.planned->name,
                                .key = RowKey(table, row),
                                .column = table.planned->columns[c].name,
                                .value = *stored,
                                .why = "a code the newer system does not know: the line says ???",
                                .lines = KnownCodes(),
                                .statements = {{.table = table.planned->name,
                                                .column = table.planned->columns[c].name,
                                                .newValue = "?",
                                                .where = guarded,
                                                .rows = 1}}});
    }
  }
}

// `TrmTxt = "Kasse", TrmSta = "1"`: the values of row in columns, where set.
std::string Described(const StoredTable& table, std::size_t row,
                      const std::vector<std::size_t>& columns) {
  std::string text;
  for (const std::size_t c : columns) {
    const std::optional<std::string>& value = table.rows[row][c];
    if (!value || value->empty()) continue;
    text.append(text.empty() ? "" : ", ").append(table.planned->columns[c].name);
    text.append(" = \"").append(*value).append("\"");
  }
  return text.empty() ? "no other value" : text;
}

// The columns in which some rows of the group differ.
std::vector<std::size_t> Differing(const StoredTable& table, const std::vector<std::size_t>& rows) {
  std::vector<std::size_t> columns;
  for (std::size_t c = 0; c < table.planned->columns.size(); ++c) {
    for (const std::size_t row : rows) {
      if (table.rows[row][c] != table.rows[rows.front()][c]) {
        columns.push_back(c);
        break;
      }
    }
  }
  return columns;
}

// The rows of table by their key as a line shows it: trimmed.
std::map<std::vector<std::string>, std::vector<std::size_t>> RowsByKey(const StoredTable& table) {
  std::map<std::vector<std::string>, std::vector<std::size_t>> groups;
  for (std::size_t row = 0; row < table.rows.size(); ++row) {
    std::vector<std::string> key;
    for (const std::size_t c : table.planned->rowNames()) {
      key.emplace_back(RTrimmed(table.rows[row][c].value_or("")));
    }
    groups[key].push_back(row);
  }
  return groups;
}

// Whether the table's rows become lines named by their key: a table walked
// by the export, or one whose rows a lookup reads as a block.
bool NamesLines(const StoredTable& table) {
  for (const RepairColumn& column : table.planned->columns) {
    if (column.role == ColumnRole::kKey || column.role == ColumnRole::kRowKey) return true;
  }
  return false;
}

std::vector<std::size_t> AllColumns(const StoredTable& table) {
  std::vector<std::size_t> columns(table.planned->columns.size());
  for (std::size_t c = 0; c < columns.size(); ++c) columns[c] = c;
  return columns;
}

void KeyTemplates(const StoredTable& table, RepairPlan& plan) {
  const std::string column = table.planned->columns[table.planned->rowNames().back()].name;
  for (const auto& [key, rows] : RowsByKey(table)) {
    const bool empty =
        std::any_of(key.begin(), key.end(), [](const std::string& k) { return k.empty(); });
    if (!empty && rows.size() < 2) continue;
    Template t{
        .findingId = std::string(KindOf(empty ? FindingId::kEmptyKey : FindingId::kRepeatedKey).id),
        .table = table.planned->name,
        .key = RowKey(table, rows.front()),
        .column = column,
        .value = table.rows[rows.front()][table.planned->rowNames().back()].value_or(""),
        .why = empty ? "no key: give each row one"
                     : std::to_string(rows.size()) + " rows share the key: tell them apart"};
    const std::vector<std::size_t> shown = empty ? AllColumns(table) : Differing(table, rows);
    if (shown.empty()) {
      t.lines.emplace_back(
          "the rows are alike in every column the export reads: all but one can go");
    }
    for (std::size_t i = 0; i < rows.size() && !shown.empty(); ++i) {
      t.lines.push_back(Described(table, rows[i], shown));
    }
    plan.templates.push_back(std::move(t));
  }
}

}  // namespace

void PlanTemplates(const PlanInput& input, RepairPlan& plan) {
  for (const StoredTable& table : input.tables) {
    UnknownModels(table, plan);
    if (NamesLines(table)) KeyTemplates(table, plan);
  }
  // The known codes are listed once, with the first unknown one.
  const std::string unknown(KindOf(FindingId::kUnknownModel).id);
  bool listed = false;
  for (Template& t : plan.templates) {
    if (t.findingId != unknown) continue;
    if (listed) t.lines.clear();
    listed = true;
  }
}

RepairPlan PlanRepair(const PlanInput& input) {
  RepairPlan plan;
  PlanValueFixes(input, plan);
  PlanKeyFixes(input, plan);
  PlanTemplates(input, plan);
  return plan;
}

std::size_t RepairPlan::statementCount() const {
  std::size_t count = 0;
  for (const Fix& fix : fixes) count += fix.statements.size();
  return count;
}

}  // namespace skarvik::check
