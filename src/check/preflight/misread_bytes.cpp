#include "check/preflight/misread_bytes.h"

#include <cstdint>
#include <cstdio>

namespace skarvik::check {
namespace {

// What Windows-1252 keeps at 0x80 to 0x9F, and the text that stands for each
// in a mended value: plain ASCII, which reads alike in every code page and
// never forms a UTF-8 sequence that a second mending would decode. Empty
// where it keeps nothing.
constexpr Windows1252Character kWindows1252[32] = {
    {.codePoint = 0x20AC, .name = "the euro sign", .mended = "EUR"},
    {},
    {.codePoint = 0x201A, .name = "a low single quote", .mended = "'"},
    {.codePoint = 0x0192, .name = "an f with hook", .mended = "f"},
    {.codePoint = 0x201E, .name = "a low double quote", .mended = "\""},
    {.codePoint = 0x2026, .name = "an ellipsis", .mended = "..."},
    {.codePoint = 0x2020, .name = "a dagger", .mended = "+"},
    {.codePoint = 0x2021, .name = "a double dagger", .mended = "++"},
    {.codePoint = 0x02C6, .name = "a circumflex", .mended = "^"},
    {.codePoint = 0x2030, .name = "a per mille sign", .mended = "o/oo"},
    {.codePoint = 0x0160, .name = "an S with caron", .mended = "S"},
    {.codePoint = 0x2039, .name = "a left single angle quote", .mended = "<"},
    {.codePoint = 0x0152, .name = "the ligature OE", .mended = "OE"},
    {},
    {.codePoint = 0x017D, .name = "a Z with caron", .mended = "Z"},
    {},
    {},
    {.codePoint = 0x2018, .name = "a left single quote", .mended = "'"},
    {.codePoint = 0x2019, .name = "a right single quote", .mended = "'"},
    {.codePoint = 0x201C, .name = "a left double quote", .mended = "\""},
    {.codePoint = 0x201D, .name = "a right double quote", .mended = "\""},
    {.codePoint = 0x2022, .name = "a bullet", .mended = "*"},
    {.codePoint = 0x2013, .name = "an en dash", .mended = "-"},
    {.codePoint = 0x2014, .name = "an em dash", .mended = "-"},
    {.codePoint = 0x02DC, .name = "a small tilde", .mended = "~"},
    {.codePoint = 0x2122, .name = "the trade mark sign", .mended = "TM"},
    {.codePoint = 0x0161, .name = "an s with caron", .mended = "s"},
    {.codePoint = 0x203A, .name = "a right single angle quote", .mended = ">"},
    {.codePoint = 0x0153, .name = "the ligature oe", .mended = "oe"},
    {},
    {.codePoint = 0x017E, .name = "a z with caron", .mended = "z"},
    {.codePoint = 0x0178, .name = "a Y with diaeresis", .mended = "Y"},
};

bool IsControl(std::uint8_t byte) {
  return (byte >= 0x01 && byte <= 0x1F && byte != '\r' && byte != '\n') || byte == 0x7F ||
         (byte >= 0x80 && byte <= 0x9F);
}

// The first UTF-8 sequence of value, when every byte above 0x7F belongs to one.
std::optional<std::string_view> FirstSequence(std::string_view value) {
  std::optional<std::string_view> first;
  for (std::size_t i = 0; i < value.size();) {
    if (static_cast<std::uint8_t>(value[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = Utf8SequenceLength(value.substr(i));
    if (length == 0) return std::nullopt;
    if (!first) first = value.substr(i, length);
    i += length;
  }
  return first;
}

}  // namespace

const Windows1252Character* Windows1252AtByte(std::uint8_t byte) {
  if (byte < 0x80 || byte > 0x9F) return nullptr;
  const Windows1252Character& character = kWindows1252[byte - 0x80];
  return character.codePoint == 0 ? nullptr : &character;
}

const Windows1252Character* Windows1252OfCodePoint(std::uint32_t point) {
  if (point == 0) return nullptr;
  for (const Windows1252Character& character : kWindows1252) {
    if (character.codePoint == point) return &character;
  }
  return nullptr;
}

bool IsUtf8Text(std::string_view value) { return FirstSequence(value).has_value(); }

std::size_t Utf8SequenceLength(std::string_view bytes) {
  if (bytes.empty()) return 0;
  auto at = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
  auto continues = [&](std::size_t i, std::uint8_t low = 0x80, std::uint8_t high = 0xBF) {
    return i < bytes.size() && at(i) >= low && at(i) <= high;
  };
  const std::uint8_t lead = at(0);
  if (lead >= 0xC2 && lead <= 0xDF) return continues(1) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    const std::uint8_t low = lead == 0xE0 ? 0xA0 : 0x80;
    const std::uint8_t high = lead == 0xED ? 0x9F : 0xBF;
    return continues(1, low, high) && continues(2) ? 3 : 0;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    const std::uint8_t low = lead == 0xF0 ? 0x90 : 0x80;
    const std::uint8_t high = lead == 0xF4 ? 0x8F : 0xBF;
    return continues(1, low, high) && continues(2) && continues(3) ? 4 : 0;
  }
  return 0;
}

std::uint32_t Utf8CodePoint(std::string_view sequence) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(sequence[i]); };
  const std::uint8_t leadBits[] = {0, 0, 0x1F, 0x0F, 0x07};
  std::uint32_t point = byte(0) & leadBits[sequence.size()];
  for (std::size_t i = 1; i < sequence.size(); ++i) point = (point << 6) | (byte(i) & 0x3F);
  return point;
}

std::string CodePointName(std::uint32_t point) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(point));
  return name;
}

std::optional<std::string> ControlByte(std::string_view value) {
  const bool utf8 = IsUtf8Text(value);
  for (const char c : value) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (!IsControl(byte) || (utf8 && byte >= 0x80)) continue;
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X: ", byte);
    const Windows1252Character* meant = Windows1252AtByte(byte);
    if (meant == nullptr) return std::string(hex) + "a control character in ISO-8859-1";
    return std::string(hex) + std::string(meant->name) +
           " in Windows-1252, a control character in ISO-8859-1";
  }
  return std::nullopt;
}

std::optional<std::string> Utf8Text(std::string_view value) {
  const std::optional<std::string_view> sequence = FirstSequence(value);
  if (!sequence) return std::nullopt;
  const std::uint32_t point = Utf8CodePoint(*sequence);
  const std::string meant =
      point <= 0xFF ? std::string(1, static_cast<char>(point)) : CodePointName(point);
  return "read as " + std::string(*sequence) + " where " + meant + " was meant";
}

}  // namespace skarvik::check
