// Looking up one value in the newer system's settings file.
//
// The file is a sequence of two-line entries (a header line carrying the
// section, a data line carrying number, key and the enciphered value). The
// first entry that matches by section, key or number wins, and its value is
// deciphered before it is handed back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/text.h"

namespace skarvik {

// The old system's line buffers, each with room for a line's characters,
// its line feed and the NUL: a longer line is read in pieces, which puts
// every later entry out of step. Settings files written for it live with
// that, so it stays.
inline constexpr std::size_t kHeaderLineBuffer = 200;
inline constexpr std::size_t kDataLineBuffer = 400;

// The matched entry; all empty and 0 when nothing matched or the file could
// not be read.
struct IniEntry {
  std::int32_t iniNumber = 0;
  Text<201> iniSection;
  Text<201> iniKey;
  Text<201> iniValue;  // deciphered
};

// The entry that answers the lookup, its value still enciphered.
IniEntry FindIniEntry(std::string_view section, std::string_view key, std::int32_t number,
                      const char* path);

IniEntry GetIniValue(std::string_view section, std::string_view key, std::int32_t number,
                     const char* path);

}  // namespace skarvik
