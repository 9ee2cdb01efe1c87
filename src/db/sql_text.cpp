#include "db/sql_text.h"

namespace skarvik {
namespace {

constexpr std::string_view kQualifier = "VKSYSTEM.";
constexpr std::string_view kKeyPlaceholder = "%s";
constexpr std::string_view kKeyComparison = " = '%s'";

bool IsNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

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

std::string_view TableOf(std::string_view text) {
  const std::size_t at = text.find(kQualifier);
  if (at == std::string_view::npos) return {};
  text.remove_prefix(at + kQualifier.size());
  std::size_t end = 0;
  while (end < text.size() && IsNameCharacter(text[end])) ++end;
  return text.substr(0, end);
}

std::string_view KeyColumnOf(std::string_view text) {
  const std::size_t end = text.find(kKeyComparison);
  if (end == std::string_view::npos) return {};
  std::size_t begin = end;
  while (begin > 0 && IsNameCharacter(text[begin - 1])) --begin;
  return text.substr(begin, end - begin);
}

std::string TableName(std::string_view table, bool unqualifiedNames) {
  std::string name(unqualifiedNames ? "" : kQualifier);
  return name.append(table);
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
