#include "check/report/console.h"

#include <algorithm>

namespace skarvik::check {

std::string Wrapped(std::string_view text, std::size_t columns) {
  std::string wrapped;
  std::size_t lineStart = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find_first_of(" \n", at), text.size());
    const std::string_view word = text.substr(at, end - at);
    if (wrapped.size() > lineStart) {
      const bool fits = wrapped.size() - lineStart + 1 + word.size() <= columns;
      wrapped += fits ? " " : "\n";
      if (!fits) lineStart = wrapped.size();
    }
    wrapped.append(word);
    if (end < text.size() && text[end] == '\n') {
      wrapped += '\n';
      lineStart = wrapped.size();
    }
    at = end + 1;
  }
  return wrapped;
}

}  // namespace skarvik::check
