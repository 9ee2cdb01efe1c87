#include "check/report/finding_lookup.h"

#include <algorithm>
#include <regex>
#include <string>

namespace skarvik::check {

namespace {

// The pattern as a regular expression: its text taken literally, each
// {part} one or more characters other than a dot. A part may be followed by
// text that it could also hold ("forecast.unassigned-{kind}-tables" and a
// kind with a dash), which the expression's backtracking sorts out.
bool IdMatches(std::string_view pattern, std::string_view id) {
  std::string expression;
  for (std::size_t at = 0; at < pattern.size();) {
    const std::size_t open = pattern.find('{', at);
    const std::size_t close = pattern.find('}', open);
    const std::size_t literalEnd = close == std::string_view::npos ? pattern.size() : open;
    for (const char c : pattern.substr(at, literalEnd - at)) {
      if (std::string_view(".^$|()[]*+?{}\\").find(c) != std::string_view::npos) expression += '\\';
      expression += c;
    }
    if (literalEnd == pattern.size()) break;
    expression += "[^.]+";
    at = close + 1;
  }
  return std::regex_match(id.begin(), id.end(), std::regex(expression));
}

}  // namespace

const FindingKind* FindingKindOf(std::string_view id) {
  const std::span<const FindingKind> kinds = FindingKinds();
  auto found = std::find_if(kinds.begin(), kinds.end(),
                            [id](const FindingKind& kind) { return kind.id == id; });
  if (found == kinds.end()) {
    found = std::find_if(kinds.begin(), kinds.end(),
                         [id](const FindingKind& kind) { return IdMatches(kind.id, id); });
  }
  return found != kinds.end() ? &*found : nullptr;
}

}  // namespace skarvik::check
