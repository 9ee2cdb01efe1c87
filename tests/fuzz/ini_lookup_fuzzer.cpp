// The settings lookup over arbitrary files: whatever the file holds, the
// lookup must stay inside its buffers and hand back either nothing or an
// entry that matches what was asked for.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/ini_lookup.h"

namespace {

// The lookup reads a path, so every input goes through one file of this
// process; the pid keeps parallel fuzzing jobs apart.
const std::string& SettingsPath() {
  static const std::string path = [] {
    std::string p = "/tmp/skarvik-fuzz-ini-" + std::to_string(getpid()) + ".ini";
    std::atexit([] { std::remove(SettingsPath().c_str()); });
    return p;
  }();
  return path;
}

bool WriteSettings(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(SettingsPath().c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

struct Lookup {
  const char* section;
  const char* key;
  std::int32_t number;
};

// The run's own three lookups, and ones by section and by number that the
// seed files answer.
constexpr Lookup kLookups[] = {
    {"", "LOGIN", 0},   {"", "PASS", 0},           {"", "DB_SYSTEM", 0},
    {"VELKORA", "", 7}, {"", "", -2147483647 - 1}, {"X", "KEY;WITH;SEPARATORS", 2147483647},
};

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "ini lookup: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!WriteSettings(data, size)) return 0;
  for (const Lookup& lookup : kLookups) {
    const skarvik::IniEntry entry =
        skarvik::GetIniValue(lookup.section, lookup.key, lookup.number, SettingsPath().c_str());
    const bool matched = entry.iniSection == lookup.section || entry.iniKey == lookup.key ||
                         entry.iniNumber == lookup.number;
    const bool nothing = entry.iniNumber == 0 && entry.iniSection.empty() && entry.iniKey.empty() &&
                         entry.iniValue.empty();
    Check(matched || nothing, "an entry that matches nothing was returned");
    Check(entry.iniSection.size() <= 200 && entry.iniKey.size() <= 200 &&
              entry.iniValue.size() <= 200,
          "a result text is longer than its buffer");
  }
  return 0;
}
