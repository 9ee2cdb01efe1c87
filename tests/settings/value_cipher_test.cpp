#include "settings/value_cipher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "settings/hex.h"

namespace skarvik {
namespace {

// The plain bytes DecryptValue writes for a text, up to and with its NUL.
std::string Decipher(std::string_view hex, std::size_t out_size = 256) {
  std::vector<char> out(out_size, '#');
  DecryptValue(hex, out, kSettingsKey);
  return std::string(out.data(), std::strlen(out.data()) + 1);
}

TEST(HexToBin, ReadsOnlyDigitsAndUpperCaseLetters) {
  struct Case {
    const char* name;
    const char* text;
    std::uint8_t expected;
  } cases[] = {
      {"digits", "09", 0x09},
      {"upper case", "AF", 0xAF},
      {"lower case a counts as 49", "a0", 0x10},  // 16 * 49 modulo 256
      {"lower case f counts as 54", "0f", 0x36},
      {"other letters follow the digit rule", "G0", 0x70},
  };
  for (const Case& c : cases) {
    std::uint8_t byte = 0;
    HexToBin(c.text, std::span(&byte, 1));
    EXPECT_EQ(byte, c.expected) << "case " << c.name;
  }
}

TEST(DecryptValue, BlocksAndTheirNul) {
  const std::string block = EncryptValue("Kelvarix", kSettingsKey);  // one whole block
  const std::string two = EncryptValue("0123456789abcdef", kSettingsKey);
  struct Case {
    const char* name;
    std::string hex;
    std::string expected;  // with the NUL
  } cases[] = {
      {"empty text gives empty plain text", "", std::string(1, '\0')},
      {"32 digits give 16 bytes and a NUL", two, std::string("0123456789abcdef") + '\0'},
      {"identical blocks give identical blocks", block + block,
       std::string("KelvarixKelvarix") + '\0'},
      {"plain text ends at its first NUL", EncryptValue("pw", kSettingsKey),
       std::string("pw") + '\0'},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Decipher(c.hex), c.expected) << "case " << c.name;
  }
}

TEST(DecryptValue, MissingDigitsOfTheLastBlockCountAsZero) {
  const std::string hex = EncryptValue("0123456789abcdef", kSettingsKey);
  for (std::size_t length : {1u, 10u, 15u, 17u, 31u}) {
    const std::string cut = hex.substr(0, length);
    const std::string padded = cut + std::string((16 - length % 16) % 16, '0');
    EXPECT_EQ(Decipher(cut), Decipher(padded)) << "length " << length;
  }
}

TEST(DecryptValue, NeverWritesPastASmallBuffer) {
  const std::string hex = EncryptValue("a text of three blocks..", kSettingsKey);
  for (std::size_t size : {1u, 2u, 8u, 9u, 10u, 24u}) {
    std::array<char, 40> memory;
    memory.fill('#');
    DecryptValue(hex, std::span(memory.data(), size), kSettingsKey);
    EXPECT_EQ(std::strlen(memory.data()), size - 1) << "size " << size;
    EXPECT_EQ(memory[size], '#') << "size " << size;
  }
  DecryptValue(hex, std::span<char>(), kSettingsKey);  // no room at all: nothing written
}

TEST(DecryptValue, LeavesEveryWordOfTheStateZero) {
  for (const char* hex : {"", "0123456789ABCDEF", "0123"}) {
    BlowfishState state;
    std::memset(&state, 0xA5, sizeof state);
    std::array<char, 32> out{};
    DecryptValue(hex, out, kSettingsKey, state);
    EXPECT_TRUE(
        std::all_of(std::begin(state.pArray), std::end(state.pArray), [](auto w) { return !w; }))
        << "text \"" << hex << "\"";
    for (const auto& box : state.sBoxes) {
      EXPECT_TRUE(std::all_of(std::begin(box), std::end(box), [](auto w) { return !w; }))
          << "text \"" << hex << "\"";
    }
  }
}

TEST(EncryptValue, RoundTripsWithWholeBlocksOnly) {
  struct Case {
    const char* name;
    std::string plain;
    std::size_t digits;
  } cases[] = {
      {"empty", "", 0},
      {"one byte", "x", 16},
      {"seven bytes", "1234567", 16},
      {"one whole block gets no extra block", "12345678", 16},
      {"nine bytes", "123456789", 32},
      {"Latin-1 bytes", "M\xFCller \xE4", 16},
      {"longest storable", std::string(96, 'p'), 192},
  };
  for (const Case& c : cases) {
    const std::string hex = EncryptValue(c.plain, kSettingsKey);
    EXPECT_EQ(hex.size(), c.digits) << "case " << c.name;
    EXPECT_TRUE(IsUpperHex(hex)) << "case " << c.name;
    EXPECT_EQ(Decipher(hex), c.plain + '\0') << "case " << c.name;
  }
}

}  // namespace
}  // namespace skarvik
