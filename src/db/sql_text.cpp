#include "db/sql_text.h"

namespace skarvik {
namespace {

constexpr std::string_view kQualifier = "VKSYSTEM.";
constexpr std::string_view kKeyPlaceholder = "%s";

}  // namespace

std::string SelectList(std::span<const char* const> names, int columnsPerGroup) {
  std::string text = "SELECT  ";
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) {
      const bool groupEnds = columnsPerGroup > 0 && i % columnsPerGroup == 0;
      text += groupEnds ? ",  " : ", ";
    }
    text += names[i];
  }
  return text;
}

std::string Unqualified(std::string_view text) {
  std::string result;
  for (std::size_t at = text.find(kQualifier); at != std::string_view::npos;
       at = text.find(kQualifier)) {
    result.append(text.substr(0, at));
    text.remove_prefix(at + kQualifier.size());
  }
  result.append(text);
  return result;
}

std::string KeyedSql(std::string_view text, std::string_view key) {
  const std::size_t at = text.find(kKeyPlaceholder);
  if (at == std::string_view::npos) return std::string(text);
  std::string result(text.substr(0, at));
  for (const char c : key) {
    if (c == '\'') result += '\'';
    result += c;
  }
  result.append(text.substr(at + kKeyPlaceholder.size()));
  return result;
}

}  // namespace skarvik
