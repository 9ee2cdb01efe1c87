#include "check/preflight/misread_bytes.h"

#include <cstdint>
#include <cstdio>

namespace skarvik::check {
namespace {

// What Windows-1252 keeps at 0x80 to 0x9F; empty where it keeps nothing.
constexpr std::string_view kWindows1252[32] = {
    "the euro sign",
    "",
    "a low single quote",
    "an f with hook",
    "a low double quote",
    "an ellipsis",
    "a dagger",
    "a double dagger",
    "a circumflex",
    "a per mille sign",
    "an S with caron",
    "a left single angle quote",
    "the ligature OE",
    "",
    "a Z with caron",
    "",
    "",
    "a left single quote",
    "a right single quote",
    "a left double quote",
    "a right double quote",
    "a bullet",
    "an en dash",
    "an em dash",
    "a small tilde",
    "the trade mark sign",
    "an s with caron",
    "a right single angle quote",
    "the ligature oe",
    "",
    "a z with caron",
    "a Y with diaeresis",
};

bool IsControl(std::uint8_t byte) {
  return (byte >= 0x01 && byte <= 0x1F && byte != '\r' && byte != '\n') || byte == 0x7F ||
         (byte >= 0x80 && byte <= 0x9F);
}

// The length of the well-formed UTF-8 sequence at the start of bytes, 0 when
// there is none: no overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t SequenceLength(std::string_view bytes) {
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

// The code point of a well-formed sequence.
std::uint32_t CodePoint(std::string_view sequence) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(sequence[i]); };
  const std::uint8_t leadBits[] = {0, 0, 0x1F, 0x0F, 0x07};
  std::uint32_t point = byte(0) & leadBits[sequence.size()];
  for (std::size_t i = 1; i < sequence.size(); ++i) point = (point << 6) | (byte(i) & 0x3F);
  return point;
}

// The first UTF-8 sequence of value, when every byte above 0x7F belongs to one.
std::optional<std::string_view> FirstSequence(std::string_view value) {
  std::optional<std::string_view> first;
  for (std::size_t i = 0; i < value.size();) {
    if (static_cast<std::uint8_t>(value[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = SequenceLength(value.substr(i));
    if (length == 0) return std::nullopt;
    if (!first) first = value.substr(i, length);
    i += length;
  }
  return first;
}

}  // namespace

std::optional<std::string> ControlByte(std::string_view value) {
  const bool utf8 = FirstSequence(value).has_value();
  for (const char c : value) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (!IsControl(byte) || (utf8 && byte >= 0x80)) continue;
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X: ", byte);
    const std::string_view meant = byte >= 0x80 ? kWindows1252[byte - 0x80] : "";
    if (meant.empty()) return std::string(hex) + "a control character in ISO-8859-1";
    return std::string(hex) + std::string(meant) +
           " in Windows-1252, a control character in ISO-8859-1";
  }
  return std::nullopt;
}

std::optional<std::string> Utf8Text(std::string_view value) {
  const std::optional<std::string_view> sequence = FirstSequence(value);
  if (!sequence) return std::nullopt;
  const std::uint32_t point = CodePoint(*sequence);
  std::string meant;
  if (point <= 0xFF) {
    meant = std::string(1, static_cast<char>(point));
  } else {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(point));
    meant = name;
  }
  return "read as " + std::string(*sequence) + " where " + meant + " was meant";
}

}  // namespace skarvik::check
