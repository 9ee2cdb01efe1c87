#include "check/finding_list.h"

#include <algorithm>

namespace skarvik::check {

Finding& FindingList::entry(const std::string& id, Severity severity, const std::string& title,
                            const std::string& column) {
  const auto [at, added] = index_.try_emplace({id, column}, findings_.size());
  if (added) findings_.push_back({.id = id, .severity = severity, .title = title});
  return findings_[at->second];
}

void FindingList::add(const std::string& id, Severity severity, const std::string& title,
                      const std::string& column, Example example) {
  Finding& finding = entry(id, severity, title, column);
  ++finding.count;
  if (finding.examples.size() < maxExamples_) finding.examples.push_back(std::move(example));
}

void FindingList::addCount(const std::string& id, Severity severity, const std::string& title,
                           std::int64_t count) {
  if (count <= 0) return;
  entry(id, severity, title, "").count += count;
}

std::vector<Finding> FindingList::take() {
  std::stable_sort(findings_.begin(), findings_.end(),
                   [](const Finding& a, const Finding& b) { return a.severity > b.severity; });
  index_.clear();
  return std::move(findings_);
}

}  // namespace skarvik::check
