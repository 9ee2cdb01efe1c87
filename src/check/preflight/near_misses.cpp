#include "check/preflight/near_misses.h"

#include <unordered_map>

#include "check/report/finding_kinds.h"
#include "check/source/database_facts.h"

namespace skarvik::check {

std::string FoldedKey(std::string_view key) {
  std::string folded(RTrimmed(key));
  StrUpper(folded.data());
  return folded;
}

namespace {

std::string HowItDiffers(std::string_view looked, std::string_view stored) {
  const bool blanks = RTrimmed(stored).size() != stored.size();
  const bool letterCase = RTrimmed(stored) != RTrimmed(looked);
  std::string how = letterCase && blanks ? "differs in letter case and ends in blanks"
                    : blanks             ? "ends in blanks"
                                         : "differs in letter case";
  return how + ": a database that compares exactly finds nothing";
}

void ReportLookup(Session& session, const QueryFacts& lookup, const std::vector<std::string>& keys,
                  FindingList& findings) {
  std::unordered_map<std::string, std::string> stored;
  for (std::string& key : ColumnValues(session, lookup.table, lookup.keyColumn)) {
    stored.try_emplace(FoldedKey(key), std::move(key));
  }
  const std::string column(lookup.keyColumn);
  for (const std::string& key : keys) {
    const auto spelt = stored.find(FoldedKey(key));
    if (spelt == stored.end() || spelt->second == key) continue;
    findings.add(
        MakeFinding(FindingId::kNearMiss, {{"table", lookup.table}, {"column", lookup.keyColumn}}),
        column,
        {.key = key,
         .column = column,
         .value = spelt->second,
         .effect = HowItDiffers(key, spelt->second)});
  }
}

}  // namespace

void NearMisses::missed(const QueryFacts& lookup, std::string key) {
  for (Misses& misses : misses_) {
    if (misses.lookup.table == lookup.table && misses.lookup.keyColumn == lookup.keyColumn) {
      misses.keys.push_back(std::move(key));
      return;
    }
  }
  misses_.push_back({.lookup = lookup, .keys = {std::move(key)}});
}

void NearMisses::report(Session& session, FindingList& findings) {
  for (const Misses& misses : misses_) ReportLookup(session, misses.lookup, misses.keys, findings);
}

}  // namespace skarvik::check
