#include "settings/ini_lookup.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "settings/field_split.h"
#include "settings/line_reader.h"
#include "settings/value_cipher.h"

namespace skarvik {
namespace {

// A line is a C text to the old system: a NUL byte ends it. Its line feed
// belongs to no field.
std::string_view LineText(const std::string& line) {
  std::string_view text(line.c_str());
  if (!text.empty() && text.back() == '\n') {
    text.remove_suffix(1);
  }
  return text;
}

// The text between the separators at `before` and `after`. Two adjacent
// separators give an empty field, not the rest of the line.
void CopyField(std::string_view line, int before, int after, std::span<char> dest) {
  const int length = after - before - 1;
  if (length > 0) {
    SubStr(line, before + 1, length, dest);
  }
}

// Leading white space, an optional sign, the digits after it; anything else
// ends the number. Out-of-range numbers stop at the int32 limits.
std::int32_t ParseNumber(std::string_view text) {
  std::size_t i = text.find_first_not_of(" \t\n\v\f\r");
  if (i == std::string_view::npos) {
    return 0;
  }
  const bool negative = text[i] == '-';
  if (text[i] == '-' || text[i] == '+') {
    ++i;
  }
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), std::int64_t{1} << 32);
  }
  value = negative ? -value : value;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

IniEntry SplitEntry(std::string_view header, std::string_view data) {
  IniEntry entry;
  CopyField(header, NthCharPos(header, ';', 1), NthCharPos(header, ';', 2), entry.iniSection.bytes);

  const int q1 = NthCharPos(data, ';', 1);
  const int q2 = NthCharPos(data, ';', 2);
  std::array<char, 12> number{};  // 11 characters and the NUL
  CopyField(data, -1, q1, number);
  entry.iniNumber = ParseNumber(number.data());
  CopyField(data, q1, q2, entry.iniKey.bytes);
  // Everything after the second ";" (or the whole line when it has none),
  // further ";" included.
  SubStr(data, q2 + 1, 0, entry.iniValue.bytes);
  return entry;
}

// Any one of the three suffices. An entry with number 0 or an empty section
// therefore answers every lookup made with 0 or an empty section; existing
// files may depend on that.
bool Matches(const IniEntry& entry, std::string_view section, std::string_view key,
             std::int32_t number) {
  return entry.iniSection == section || entry.iniKey == key || entry.iniNumber == number;
}

void DecipherValue(IniEntry& entry) {
  // At most 200 digits: 13 blocks of 8 bytes and the NUL.
  Text<2 * sizeof(entry.iniValue.bytes)> plain;
  DecryptValue(entry.iniValue.view(), plain.bytes, kSettingsKey);
  entry.iniValue.assign(plain.cStr());
  // The plain value is a password; no copy of it stays behind here.
  plain.wipe();
}

}  // namespace

IniEntry FindIniEntry(std::string_view section, std::string_view key, std::int32_t number,
                      const char* path) {
  LineReader file(path);
  std::string header;
  std::string data;
  while (file.isOpen()) {
    // Only the data line decides whether an entry is there, so a header
    // line that is the file's last line is ignored.
    file.readLine(kHeaderLineBuffer, header);
    if (!file.readLine(kDataLineBuffer, data)) {
      break;
    }
    IniEntry entry = SplitEntry(LineText(header), LineText(data));
    if (Matches(entry, section, key, number)) {
      return entry;
    }
  }
  return IniEntry{};
}

IniEntry GetIniValue(std::string_view section, std::string_view key, std::int32_t number,
                     const char* path) {
  IniEntry entry = FindIniEntry(section, key, number, path);
  DecipherValue(entry);
  return entry;
}

}  // namespace skarvik
