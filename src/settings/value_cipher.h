// Enciphering and deciphering the values of the settings file.
//
// A value is stored as upper-case hexadecimal text, 16 digits per 8-byte
// Blowfish block, each block enciphered on its own (no chaining). Within a
// block each 32-bit half is read least significant byte first, which is the
// opposite of the order the published Blowfish test vectors use. The plain
// value ends at its first NUL byte; the enciphering pads with NULs to whole
// blocks for that reason.
//
// The key schedule lives only for one call: it is built at the start from
// the constant tables and the key, and wiped to zeros before returning, so
// no key material stays in memory between lookups.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "settings/blowfish.h"

namespace skarvik {

// A value is enciphered in blocks of 8 bytes, each stored as 16 hexadecimal
// digits.
inline constexpr std::size_t kBlockBytes = 8;
inline constexpr std::size_t kBlockDigits = 2 * kBlockBytes;

// The key every value of the settings file is enciphered with.
inline constexpr std::string_view kSettingsKey = "VORTAKS";

// Deciphers the hex text into out: 8 bytes per block and a NUL after the
// last block, cut so that the NUL always fits in out. A last block with fewer
// than 16 digits is completed with "0" digits. An empty text gives an empty
// plain text. This form uses the caller's state, which it leaves wiped.
void DecryptValue(std::string_view hex, std::span<char> out, std::string_view key,
                  BlowfishState& state);
void DecryptValue(std::string_view hex, std::span<char> out, std::string_view key);

// The inverse: the plain text padded with NULs to whole blocks (a text of
// whole blocks gets no extra block, an empty text gives an empty hex text).
std::string EncryptValue(std::string_view plain, std::string_view key);

}  // namespace skarvik
