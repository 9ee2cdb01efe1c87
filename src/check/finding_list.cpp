#include "check/finding_list.h"

#include <algorithm>

namespace skarvik::check {

Finding& FindingList::entry(const Finding& kind, const std::string& column) {
  const auto [at, added] = index_.try_emplace({kind.id, column}, findings_.size());
  if (added) {
    findings_.push_back({.id = kind.id, .severity = kind.severity, .title = kind.title});
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

std::vector<Finding> FindingList::take() {
  std::stable_sort(findings_.begin(), findings_.end(),
                   [](const Finding& a, const Finding& b) { return a.severity > b.severity; });
  index_.clear();
  return std::move(findings_);
}

}  // namespace skarvik::check
