// Small helpers the settings tests share: hex literals to bytes and the
// byte-order change between the published vectors and the settings values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace skarvik::test_support {

// Literal hex as written in the published vectors, read independently of
// the code under test.
inline std::string Bytes(std::string_view hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes += static_cast<char>(std::stoul(std::string(hex.substr(i, 2)), nullptr, 16));
  }
  return bytes;
}

inline std::string UpperHex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (unsigned char b : bytes) {
    hex += kDigits[b >> 4];
    hex += kDigits[b & 0x0F];
  }
  return hex;
}

// A published block (each half most significant byte first) as the
// settings values store it (each half least significant byte first).
inline std::string ReverseHalves(std::string block) {
  for (std::size_t half = 0; half + 4 <= block.size(); half += 4) {
    std::swap(block[half], block[half + 3]);
    std::swap(block[half + 1], block[half + 2]);
  }
  return block;
}

}  // namespace skarvik::test_support
