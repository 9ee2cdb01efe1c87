#include "check/source/query_failures.h"

#include <algorithm>

#include "check/report/finding_kinds.h"
#include "db/cursor_policy.h"

namespace skarvik::check {
namespace {

// The run log indents its failure lines; the report has its own indent.
std::string Unindented(std::string_view line) {
  const std::size_t text = line.find_first_not_of(' ');
  return std::string(text == std::string_view::npos ? "" : line.substr(text));
}

}  // namespace

void QueryFailures::failed(const LoggedFailure& failure) {
  failures_.push_back({.tag = std::string(failure.tag),
                       .errorLine = std::string(failure.errorLine),
                       .statementLine = std::string(failure.statementLine)});
}

std::vector<std::string> QueryFailures::tagsSince(std::size_t first) const {
  std::vector<std::string> tags;
  for (std::size_t i = first; i < failures_.size(); ++i) {
    if (std::find(tags.begin(), tags.end(), failures_[i].tag) == tags.end()) {
      tags.push_back(failures_[i].tag);
    }
  }
  return tags;
}

bool QueryFailures::failedSince(std::size_t first, CursorKind kind) const {
  const CursorPolicy& policy = PolicyFor(kind);
  return std::any_of(failures_.begin() + static_cast<long>(first), failures_.end(),
                     [&](const Failure& failure) {
                       return failure.tag == policy.openTag || failure.tag == policy.fetchTag;
                     });
}

void QueryFailures::report(std::size_t first, FindingList& findings) const {
  for (std::size_t i = first; i < failures_.size(); ++i) {
    const Failure& failure = failures_[i];
    findings.add(
        MakeFinding(FindingId::kQueryFailed, {{"tag", failure.tag}}), failure.tag,
        {.value = Unindented(failure.errorLine), .effect = Unindented(failure.statementLine)});
  }
}

}  // namespace skarvik::check
