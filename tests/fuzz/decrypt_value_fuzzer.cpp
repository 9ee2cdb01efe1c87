// Deciphering arbitrary value texts into output buffers of every size from 0
// to 255 bytes: the first input byte is the size, the rest the text. The
// buffer is allocated with exactly that size on the heap, so AddressSanitizer
// reports any byte written past it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#include "settings/value_cipher.h"

namespace {

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "decrypt value: %s\n", what);
    std::abort();
  }
}

bool IsWiped(const skarvik::BlowfishState& state) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&state);
  for (std::size_t i = 0; i < sizeof(state); ++i) {
    if (bytes[i] != 0) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t outSize = data[0];
  const std::string_view hex(reinterpret_cast<const char*>(data + 1), size - 1);

  const std::unique_ptr<char[]> out(new char[outSize]);
  // The state lives on the heap as well, so that a stray write next to it
  // is seen too.
  const auto state = std::make_unique<skarvik::BlowfishState>();
  skarvik::DecryptValue(hex, {out.get(), outSize}, skarvik::kSettingsKey, *state);
  Check(IsWiped(*state), "the key schedule was not wiped");
  if (outSize == 0) return 0;
  Check(std::memchr(out.get(), '\0', outSize) != nullptr, "the plain text has no NUL");

  // A small buffer cuts the plain text; it never changes the bytes that fit.
  std::vector<char> whole(hex.size() / 2 + 16);
  skarvik::DecryptValue(hex, whole, skarvik::kSettingsKey);
  const std::size_t kept = std::min(outSize - 1, hex.empty() ? 0 : (hex.size() + 15) / 16 * 8);
  Check(std::memcmp(out.get(), whole.data(), kept) == 0, "a cut plain text differs from the whole");
  Check(out[kept] == '\0', "the NUL is not right after the cut plain text");
  return 0;
}
