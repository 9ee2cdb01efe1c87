// The keys: a key value the rules change is renamed in its own table and in
// every column that refers to it, and a lookup that misses a key stored in
// another letter case or with blanks at its end gets the looked-up rows
// spelt as the key that looks for them. A rename that would meet a value
// already there, or another rename, becomes a template: renaming would
// merge rows that do not belong together.
#include <algorithm>
#include <map>
#include <set>

#include "check/preflight/near_misses.h"
#include "check/repair/plan_support.h"
#include "check/repair/planner.h"
#include "check/report/finding_kinds.h"
#include "check/source/database_facts.h"

namespace skarvik::check {
namespace {

// A column that holds a key's values, with its rows by value.
struct Holder {
  const StoredTable* table;
  std::size_t c;
  bool lookup;  // looked up by the key; false: a name written into a line
  ValueRows rows;
  std::unordered_map<std::string, std::vector<std::string>> spellings;  // by folded value
};

struct KeyColumn {
  const StoredTable* table;
  std::size_t c;
  ValueRows rows;
  std::unordered_map<std::string, std::vector<std::string>> spellings;  // by folded value
  std::vector<Holder> holders;
};

std::unordered_map<std::string, std::vector<std::string>> Spellings(const ValueRows& rows) {
  std::unordered_map<std::string, std::vector<std::string>> spellings;
  for (const auto& [value, at] : rows) spellings[FoldedKey(value)].push_back(value);
  return spellings;
}

std::vector<KeyColumn> KeyColumns(const std::vector<StoredTable>& tables) {
  std::vector<KeyColumn> keys;
  const std::vector<KeyReference> references = KeyReferences();
  for (const StoredTable& table : tables) {
    for (std::size_t c = 0; c < table.planned->columns.size(); ++c) {
      if (table.planned->columns[c].role != ColumnRole::kKey) continue;
      KeyColumn& key = keys.emplace_back(KeyColumn{.table = &table, .c = c});
      key.rows = RowsByValue(table, c);
      key.spellings = Spellings(key.rows);
      for (const KeyReference& r : references) {
        const StoredTable* holder = TableNamed(tables, r.table);
        if (r.keyTable != table.planned->name || r.keyColumn != table.planned->columns[c].name ||
            holder == nullptr) {
          continue;
        }
        Holder& h = key.holders.emplace_back(
            Holder{.table = holder, .c = holder->planned->indexOf(r.column), .lookup = r.lookup});
        h.rows = RowsByValue(*holder, h.c);
        h.spellings = Spellings(h.rows);
      }
    }
  }
  return keys;
}

std::int64_t RowCount(const ValueRows& rows, const std::string& value) {
  const auto found = rows.find(value);
  return found == rows.end() ? 0 : static_cast<std::int64_t>(found->second.size());
}

const std::string& NameOfTable(const Holder& h) { return h.table->planned->name; }
const std::string& NameOfColumn(const Holder& h) { return h.table->planned->columns[h.c].name; }
const std::string& NameOfTable(const KeyColumn& k) { return k.table->planned->name; }
const std::string& NameOfColumn(const KeyColumn& k) { return k.table->planned->columns[k.c].name; }

// The one other spelling a lookup by key finds nothing for but the holder
// keeps, when exactly one key and one held value fold to each other and the
// database itself finds no row for the key.
std::optional<std::string> NearMiss(Session& session, const KeyColumn& key, const Holder& holder,
                                    const std::string& value) {
  const std::string looked(RTrimmed(value));
  if (!holder.lookup || looked.empty() || holder.rows.contains(looked)) return std::nullopt;
  const std::string folded = FoldedKey(value);
  const auto held = holder.spellings.find(folded);
  const auto keys = key.spellings.find(folded);
  if (held == holder.spellings.end() || held->second.size() != 1 || keys->second.size() != 1) {
    return std::nullopt;
  }
  const std::optional<std::int64_t> found =
      CountWhere(session, NameOfTable(holder), {{NameOfColumn(holder), looked}});
  if (!found || *found != 0) return std::nullopt;
  return held->second.front();
}

}  // namespace

namespace {

struct Rename {
  std::string old;      // as stored
  std::string renamed;  // the key's value after the rules; old when it keeps it
  Fix fix;
  std::string collision;  // not empty: a template, with why
};

Statement SetWhere(const StoredTable& table, std::size_t c, const std::string& to,
                   const std::string& from, std::int64_t rows) {
  const std::string& column = table.planned->columns[c].name;
  return {.table = table.planned->name,
          .column = column,
          .newValue = to,
          .where = {{column, Compared(table, c, from)}},
          .rows = rows};
}

// The key itself and every row that holds it.
void AddRename(const KeyColumn& key, const Mended& mended, Rename& r) {
  r.fix.findingId = FindingOf(mended);
  r.fix.rules = RulesApplied(mended);
  r.fix.statements.push_back(
      SetWhere(*key.table, key.c, r.renamed, r.old, RowCount(key.rows, r.old)));
  for (const Holder& h : key.holders) {
    const std::int64_t rows = RowCount(h.rows, r.old);
    if (rows == 0) continue;
    r.fix.statements.push_back(SetWhere(*h.table, h.c, r.renamed, r.old, rows));
    if (!h.lookup) {
      r.fix.notes.push_back(NameOfColumn(h) + " of " + NameOfTable(h) +
                            " follows: the TRM line names the table, and the newer system reads "
                            "it as a reference");
    }
  }
}

// The rows each lookup misses because they are spelt otherwise take the
// key's spelling; a key renamed carries them with it.
void AddNearMisses(Session& session, const KeyColumn& key, Rename& r) {
  const std::string target(RTrimmed(r.renamed));
  for (const Holder& h : key.holders) {
    const std::optional<std::string> spelt = NearMiss(session, key, h, r.old);
    // Rows spelt as the key was are renamed with it already.
    if (!spelt || (*spelt == r.old && r.renamed != r.old)) continue;
    if (r.fix.findingId.empty()) {
      r.fix = {.findingId = std::string(KindOf(FindingId::kNearMiss).id),
               .table = NameOfTable(h),
               .key = r.old,
               .column = NameOfColumn(h),
               .oldValue = *spelt,
               .newValue = target};
    }
    r.fix.notes.push_back("the lookup of \"" + std::string(RTrimmed(r.old)) + "\" in " +
                          NameOfTable(h) + " finds nothing where " + NameOfColumn(h) + " holds \"" +
                          *spelt + "\"");
    r.fix.statements.push_back(SetWhere(*h.table, h.c, target, *spelt, RowCount(h.rows, *spelt)));
  }
}

// Rows the database's own comparison finds for value other than those of
// the old value, which the rename moves.
bool DatabaseHolds(Session& session, const std::string& table, const std::string& column,
                   const std::string& value, const std::string& old) {
  const std::optional<std::int64_t> all = CountWhere(session, table, {{column, value}});
  const std::optional<std::int64_t> moved =
      CountWhere(session, table, {{column, value}, {column, old}});
  return !all || !moved || *all > *moved;
}

std::string Collision(Session& session, const KeyColumn& key, const Rename& r) {
  if (r.renamed == r.old) return "";
  const std::string held = " already holds \"" + r.renamed + "\" in ";
  if (key.rows.contains(r.renamed) ||
      DatabaseHolds(session, NameOfTable(key), NameOfColumn(key), r.renamed, r.old)) {
    return NameOfTable(key) + held + NameOfColumn(key) + ": two keys would become one";
  }
  const std::string looked(RTrimmed(r.old));
  for (const Holder& h : key.holders) {
    if (r.renamed == looked) break;
    if (h.rows.contains(r.renamed) ||
        DatabaseHolds(session, NameOfTable(h), NameOfColumn(h), r.renamed, looked)) {
      return NameOfTable(h) + held + NameOfColumn(h) + ": rows of no key would join this one";
    }
  }
  return "";
}

Rename PlanKeyValue(const PlanInput& input, const KeyColumn& key, const std::string& value,
                    RepairPlan& plan) {
  Rename r{.old = value, .renamed = value};
  const Mended mended = MendValue(value, RulesFor(*key.table, key.c, input.comma));
  if (!mended.refusal.empty()) {
    plan.templates.push_back({.findingId = RefusalFinding(mended, value),
                              .table = NameOfTable(key),
                              .key = value,
                              .column = NameOfColumn(key),
                              .value = value,
                              .why = mended.refusal});
    return r;
  }
  if (!mended.applied.empty()) r.renamed = mended.value;
  r.fix = {.table = NameOfTable(key),
           .key = value,
           .column = NameOfColumn(key),
           .oldValue = value,
           .newValue = r.renamed};
  if (r.renamed != value) AddRename(key, mended, r);
  AddNearMisses(input.session, key, r);
  if (!r.fix.statements.empty()) r.collision = Collision(input.session, key, r);
  return r;
}

}  // namespace

namespace {

bool SameColumn(const Holder& a, const Holder& b) { return a.table == b.table && a.c == b.c; }

// The values other's lookups run with: its keys as the fetch trims them.
std::set<std::string> LookedUp(const KeyColumn& other) {
  std::set<std::string> looked;
  for (const auto& [value, rows] : other.rows) looked.emplace(RTrimmed(value));
  return looked;
}

// A key column that shares a holder with other must not take the name of
// one of other's keys, give up one that other also has, or take over rows
// that other's lookups find.
void MarkShared(const KeyColumn& key, const KeyColumn& other, std::vector<Rename>& renames) {
  const Holder* shared = nullptr;
  for (const Holder& h : key.holders) {
    for (const Holder& o : other.holders) {
      if (SameColumn(h, o)) shared = &h;
    }
  }
  if (shared == nullptr) return;
  const std::set<std::string> looked = LookedUp(other);
  for (Rename& r : renames) {
    bool meets =
        r.renamed != r.old && (other.rows.contains(r.old) || other.rows.contains(r.renamed));
    for (const Statement& s : r.fix.statements) {
      const bool onShared = s.table == NameOfTable(*shared) && s.column == NameOfColumn(*shared);
      meets = meets || (onShared && looked.contains(s.where.back().second));
    }
    if (meets && r.collision.empty()) {
      r.collision = NameOfTable(other) + " holds the same name in " + NameOfColumn(other) +
                    ": the rows that refer to it belong to both";
    }
  }
}

// Renames that meet each other: two old keys to one new one within a key
// column, or a key renamed to or from a value that another key column
// sharing its holders keeps (the type table's names share the readers
// with the terminal table's).
void MarkMeetings(const std::vector<KeyColumn>& keys, std::vector<std::vector<Rename>>& renames) {
  for (std::size_t k = 0; k < keys.size(); ++k) {
    std::map<std::string, std::size_t> targets;
    for (const Rename& r : renames[k]) {
      if (r.renamed != r.old) ++targets[r.renamed];
    }
    for (Rename& r : renames[k]) {
      if (r.renamed != r.old && targets[r.renamed] > 1 && r.collision.empty()) {
        r.collision = "another key of " + NameOfTable(keys[k]) + " would become \"" + r.renamed +
                      "\" too: two keys would become one";
      }
    }
  }
  for (std::size_t k = 0; k < keys.size(); ++k) {
    for (std::size_t other = 0; other < keys.size(); ++other) {
      if (other != k) MarkShared(keys[k], keys[other], renames[k]);
    }
  }
}

// The distinct values of a key column in the order their rows come.
std::vector<std::string> DistinctValues(const KeyColumn& key) {
  std::vector<std::string> values;
  std::set<std::string> seen;
  for (const auto& row : key.table->rows) {
    if (row[key.c] && seen.insert(*row[key.c]).second) values.push_back(*row[key.c]);
  }
  return values;
}

}  // namespace

void PlanKeyFixes(const PlanInput& input, RepairPlan& plan) {
  const std::vector<KeyColumn> keys = KeyColumns(input.tables);
  std::vector<std::vector<Rename>> renames(keys.size());
  for (std::size_t k = 0; k < keys.size(); ++k) {
    for (const std::string& value : DistinctValues(keys[k])) {
      Rename r = PlanKeyValue(input, keys[k], value, plan);
      if (!r.fix.statements.empty()) renames[k].push_back(std::move(r));
    }
  }
  MarkMeetings(keys, renames);
  for (std::vector<Rename>& column : renames) {
    for (Rename& r : column) {
      if (r.collision.empty()) {
        plan.fixes.push_back(std::move(r.fix));
        continue;
      }
      plan.templates.push_back({.findingId = r.fix.findingId,
                                .table = r.fix.table,
                                .key = r.fix.key,
                                .column = r.fix.column,
                                .value = r.fix.oldValue,
                                .why = r.collision,
                                .statements = std::move(r.fix.statements)});
    }
  }
}

}  // namespace skarvik::check
