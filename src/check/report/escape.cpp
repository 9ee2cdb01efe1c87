#include "check/report/escape.h"

namespace skarvik::check {

namespace {

std::string Shown(std::string_view bytes, bool doubleBackslashes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string shown;
  shown.reserve(bytes.size());
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\\' && doubleBackslashes) {
      shown += "\\\\";
    } else if (byte < 0x20 || byte > 0x7E) {
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 0x0F];
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace

std::string Escaped(std::string_view bytes) { return Shown(bytes, true); }

std::string Printable(std::string_view bytes) { return Shown(bytes, false); }

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string utf8;
  utf8.reserve(bytes.size());
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

}  // namespace skarvik::check
