#include "export/line_format.h"

#include <algorithm>

namespace skarvik {

void AppendFields(std::string& line, std::span<const std::string_view> fields) {
  for (const std::string_view field : fields) {
    line.append(field);
    line += ',';
  }
}

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t comma = line.find(','); comma != std::string_view::npos;
       comma = line.find(',')) {
    fields.push_back(line.substr(0, comma));
    line.remove_prefix(comma + 1);
  }
  if (!line.empty()) fields.push_back(line);
  return fields;
}

std::size_t FieldCount(std::string_view line) {
  return static_cast<std::size_t>(std::count(line.begin(), line.end(), ','));
}

std::size_t FileLinesOf(std::span<const std::string_view> fields) {
  std::size_t lines = 1;
  for (const std::string_view field : fields) {
    lines += static_cast<std::size_t>(std::count(field.begin(), field.end(), '\n'));
  }
  return lines;
}

}  // namespace skarvik
