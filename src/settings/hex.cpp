#include "settings/hex.h"

#include <algorithm>

namespace skarvik {
namespace {

// Lower-case letters and every other character fall to the digit rule, so
// "a" counts as 49: the old system never wrote lower case.
std::uint8_t DigitValue(char c) {
  const auto u = static_cast<std::uint8_t>(c);
  return static_cast<std::uint8_t>(c >= 'A' && c <= 'F' ? u - 55 : u - 48);
}

}  // namespace

void HexToBin(std::string_view text, std::span<std::uint8_t> out) {
  const std::size_t n = std::min(text.size() / 2, out.size());
  for (std::size_t i = 0; i < n; ++i) {
    out[i] = static_cast<std::uint8_t>(16 * DigitValue(text[2 * i]) + DigitValue(text[2 * i + 1]));
  }
}

std::string BinToHex(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(2 * bytes.size());
  for (std::uint8_t b : bytes) {
    hex += kDigits[b >> 4];
    hex += kDigits[b & 0x0F];
  }
  return hex;
}

bool IsUpperHex(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); });
}

}  // namespace skarvik
