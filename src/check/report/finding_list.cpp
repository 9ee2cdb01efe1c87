#include "check/report/finding_list.h"

#include <algorithm>

namespace skarvik::check {

Finding& FindingList::entry(const Finding& kind, const std::string& column) {
  const auto [at, added] = index_.try_emplace({kind.id, column}, findings_.size());
  if (added) {
    findings_.push_back({.id = kind.id, .severity = kind.severity, .title = kind.title});
    columns_.push_back(column);
  }
  return findings_[at->second];
}

void FindingList::add(const Finding& kind, const std::string& column, Example example) {
  Finding& finding = entry(kind, column);
  ++finding.count;
  if (finding.examples.size() < maxExamples_) finding.examples.push_back(std::move(example));
}

void FindingList::addCount(const Finding& kind, std::int64_t count) {
  if (count <= 0) return;
  entry(kind, "").count += count;
}

void FindingList::drop(const std::string& column) {
  std::vector<Finding> kept;
  std::vector<std::string> keptColumns;
  index_.clear();
  for (std::size_t i = 0; i < findings_.size(); ++i) {
    if (columns_[i] == column) continue;
    index_.emplace(std::pair(findings_[i].id, columns_[i]), kept.size());
    kept.push_back(std::move(findings_[i]));
    keptColumns.push_back(std::move(columns_[i]));
  }
  findings_ = std::move(kept);
  columns_ = std::move(keptColumns);
}

std::vector<Finding> FindingList::take() {
  std::stable_sort(findings_.begin(), findings_.end(),
                   [](const Finding& a, const Finding& b) { return a.severity > b.severity; });
  index_.clear();
  columns_.clear();
  return std::move(findings_);
}

}  // namespace skarvik::check
