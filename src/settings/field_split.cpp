#include "settings/field_split.h"

#include <algorithm>

namespace skarvik {

int NthCharPos(std::string_view text, char c, int n) {
  int last = -1;
  int seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == c) {
      last = static_cast<int>(i);
      if (++seen == n) {
        break;
      }
    }
  }
  return last;
}

void SubStr(std::string_view text, int start, int length, std::span<char> dest) {
  if (length < 0 || start < 0 || dest.empty()) {
    return;
  }
  const std::size_t from = std::min(static_cast<std::size_t>(start), text.size());
  std::string_view part = text.substr(from);
  if (length > 0) {
    part = part.substr(0, static_cast<std::size_t>(length));
  }
  const std::size_t n = std::min(part.size(), dest.size() - 1);
  std::copy_n(part.begin(), n, dest.begin());
  dest[n] = '\0';
}

}  // namespace skarvik
