#include "check/report/finding_lookup.h"

#include <algorithm>

namespace skarvik::check {

bool IdMatches(std::string_view pattern, std::string_view id) {
  const std::size_t open = pattern.find('{');
  const std::size_t close = pattern.find('}', open);
  if (open == std::string_view::npos || close == std::string_view::npos) return pattern == id;
  if (!id.starts_with(pattern.substr(0, open))) return false;
  const std::string_view rest = pattern.substr(close + 1);
  id.remove_prefix(open);
  // The part takes the shortest run that lets the rest match, then longer
  // ones: "forecast.unassigned-{kind}-tables" holds a dash after its part.
  for (std::size_t length = 1; length <= id.size() && id[length - 1] != '.'; ++length) {
    if (IdMatches(rest, id.substr(length))) return true;
  }
  return false;
}

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
