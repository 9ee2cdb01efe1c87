#include "settings/value_cipher.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "settings/hex.h"

namespace skarvik {
namespace {

using Block = std::array<std::uint8_t, kBlockBytes>;

std::uint32_t LoadHalf(const std::uint8_t* b) {
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

void StoreHalf(std::uint32_t word, std::uint8_t* b) {
  for (int i = 0; i < 4; ++i) {
    b[i] = static_cast<std::uint8_t>(word >> (8 * i));
  }
}

template <typename Cipher>
void TransformBlock(const BlowfishState& state, Block& block, Cipher cipher) {
  std::uint32_t left = LoadHalf(block.data());
  std::uint32_t right = LoadHalf(block.data() + 4);
  cipher(state, left, right);
  StoreHalf(left, block.data());
  StoreHalf(right, block.data() + 4);
}

// The digits of one block; those missing at the end of a short text are "0".
Block ReadBlock(std::string_view hex, std::size_t offset) {
  std::array<char, kBlockDigits> digits;
  digits.fill('0');
  const std::string_view part = hex.substr(offset, kBlockDigits);
  std::copy(part.begin(), part.end(), digits.begin());
  Block block;
  HexToBin({digits.data(), digits.size()}, block);
  return block;
}

}  // namespace

void DecryptValue(std::string_view hex, std::span<char> out, std::string_view key,
                  BlowfishState& state) {
  BlowfishInit(state, key);
  const std::size_t room = out.empty() ? 0 : out.size() - 1;  // the NUL's byte kept free
  std::size_t written = 0;
  for (std::size_t offset = 0; offset < hex.size() && written < room; offset += kBlockDigits) {
    Block block = ReadBlock(hex, offset);
    TransformBlock(state, block, BlowfishDecrypt);
    const std::size_t n = std::min(kBlockBytes, room - written);
    std::copy_n(block.begin(), n, out.subspan(written).begin());
    written += n;
  }
  if (!out.empty()) {
    out[written] = '\0';
  }
  WipeBlowfishState(state);
}

void DecryptValue(std::string_view hex, std::span<char> out, std::string_view key) {
  BlowfishState state;
  DecryptValue(hex, out, key, state);
}

std::string EncryptValue(std::string_view plain, std::string_view key) {
  BlowfishState state;
  BlowfishInit(state, key);
  std::string hex;
  for (std::size_t offset = 0; offset < plain.size(); offset += kBlockBytes) {
    Block block{};
    const std::string_view part = plain.substr(offset, kBlockBytes);
    std::copy(part.begin(), part.end(), block.begin());
    TransformBlock(state, block, BlowfishEncrypt);
    hex += BinToHex(block);
  }
  WipeBlowfishState(state);
  return hex;
}

}  // namespace skarvik
