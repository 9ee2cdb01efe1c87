// The values mended where they stand: every written column that is no key
// and refers to none, row by row. Rows that agree in the columns naming
// them and in the old value are changed together by one statement, which
// counts them all.
#include <map>

#include "check/repair/plan_support.h"
#include "check/repair/planner.h"
#include "check/report/finding_kinds.h"

namespace skarvik::check {
namespace {

bool Mendable(const RepairColumn& column) {
  return column.written &&
         (column.role == ColumnRole::kValue || column.role == ColumnRole::kRowKey);
}

// The export keeps the first kept characters of a value, without the
// blanks the cut leaves; such a value is only shown.
std::optional<CutValue> Cut(const StoredTable& table, std::size_t row, std::size_t c,
                            std::string_view value) {
  const RepairColumn& column = table.planned->columns[c];
  const std::string_view trimmed = RTrimmed(value.substr(0, value.find('\0')));
  if (column.kept == 0 || trimmed.size() <= column.kept) return std::nullopt;
  CutValue cut{.table = table.planned->name,
               .key = RowKey(table, row),
               .column = column.name,
               .value = std::string(value),
               .written = std::string(RTrimmed(trimmed.substr(0, column.kept)))};
  // The cut stays, and with it what the written part holds: the
  // administrator shortens the value and mends it in one.
  cut.holds = RulesApplied(MendValue(cut.written, {}));
  return cut;
}

Template Refused(const StoredTable& table, std::size_t row, std::size_t c, std::string value,
                 const Mended& mended) {
  std::string finding = RefusalFinding(mended, value);
  return {.findingId = std::move(finding),
          .table = table.planned->name,
          .key = RowKey(table, row),
          .column = table.planned->columns[c].name,
          .value = std::move(value),
          .why = mended.refusal};
}

// The fixes of one table in the order of their rows, and where each stands.
struct TableFixes {
  std::vector<Fix> fixes;
  std::map<Conditions, std::size_t> byConditions;
};

// One statement for every row that agrees in its conditions.
void AddFix(const StoredTable& table, std::size_t row, std::size_t c, const std::string& old,
            const Mended& mended, TableFixes& fixes) {
  std::optional<Conditions> where = RowConditions(table, row);
  if (!where) return;
  const std::string& column = table.planned->columns[c].name;
  if (where->back().first != column) where->emplace_back(column, Compared(table, c, old));
  const auto [at, added] = fixes.byConditions.try_emplace(*where, fixes.fixes.size());
  if (added) {
    fixes.fixes.push_back({.findingId = FindingOf(mended),
                           .table = table.planned->name,
                           .key = RowKey(table, row),
                           .column = column,
                           .oldValue = old,
                           .newValue = mended.value,
                           .rules = RulesApplied(mended),
                           .statements = {{.table = table.planned->name,
                                           .column = column,
                                           .newValue = mended.value,
                                           .where = *where}}});
  }
  ++fixes.fixes[at->second].statements.front().rows;
}

void PlanCell(const PlanInput& input, const StoredTable& table, std::size_t row, std::size_t c,
              RepairPlan& plan, TableFixes& fixes) {
  const std::optional<std::string>& value = table.rows[row][c];
  if (!value) return;
  if (std::optional<CutValue> cut = Cut(table, row, c, *value)) {
    plan.cuts.push_back(std::move(*cut));
    return;
  }
  // A CHAR column's padding is the database's, not the value's: the
  // database pads the mended value again.
  const std::string_view stored =
      table.shapes[c].padded ? RTrimmed(*value) : std::string_view{*value};
  const Mended mended = MendValue(stored, RulesFor(table, c, input.comma));
  if (!mended.refusal.empty()) {
    plan.templates.push_back(Refused(table, row, c, *value, mended));
  } else if (!mended.applied.empty()) {
    AddFix(table, row, c, *value, mended, fixes);
  }
}

void PlanTable(const PlanInput& input, const StoredTable& table, RepairPlan& plan) {
  TableFixes fixes;
  for (std::size_t row = 0; row < table.rows.size(); ++row) {
    for (std::size_t c = 0; c < table.planned->columns.size(); ++c) {
      if (Mendable(table.planned->columns[c])) PlanCell(input, table, row, c, plan, fixes);
    }
  }
  for (Fix& fix : fixes.fixes) plan.fixes.push_back(std::move(fix));
}

}  // namespace

void PlanValueFixes(const PlanInput& input, RepairPlan& plan) {
  for (const StoredTable& table : input.tables) PlanTable(input, table, plan);
}

}  // namespace skarvik::check
