#include "check/environment.h"

#include <filesystem>
#include <fstream>
#include <string>

#include "base/platform.h"
#include "check/line_formats.h"
#include "run/run_log.h"
#include "settings/hex.h"
#include "settings/ini_lookup.h"

namespace skarvik::check {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kBlockDigits = 16;

// Whether a file can be created in directory: tried, not guessed from
// permission bits, which say nothing to a root user or a network share.
bool CanWriteIn(const fs::path& directory) {
  const fs::path probe = directory / "skarvik-check.probe";
  bool written = false;
  {
    std::ofstream file(probe, std::ios::binary);
    written = static_cast<bool>(file << 'x');
  }
  std::error_code ignored;
  fs::remove(probe, ignored);
  return written;
}

// One key of the settings file as the run's lookup finds it.
void CheckSetting(Section& section, const char* key, Severity whenMissing) {
  const IniEntry entry = FindIniEntry("", key, 0, kSettingsFile);
  const bool found = !entry.iniKey.empty() || !entry.iniSection.empty() || entry.iniNumber != 0 ||
                     !entry.iniValue.empty();
  if (!found) {
    section.facts.push_back({key, std::string("not found: the value is empty")});
    if (whenMissing != Severity::kInfo) {
      section.findings.push_back({.id = std::string("environment.missing-") + key,
                                  .severity = whenMissing,
                                  .title = std::string(key) + " not found in the settings file",
                                  .count = 1});
    }
    return;
  }
  const std::string_view value = entry.iniValue.view();
  const bool wellFormed = IsUpperHex(value) && value.size() % kBlockDigits == 0;
  std::string fact = wellFormed ? "found, enciphered" : "found, NOT a well-formed enciphered value";
  if (entry.iniKey.view() != key) {
    fact += std::string(", answered by the entry for key \"") + entry.iniKey.c_str() + "\"";
    section.findings.push_back({.id = std::string("environment.answered-by-other-") + key,
                                .severity = Severity::kWarning,
                                .title = std::string(key) +
                                         " is answered by another entry (number 0 or an empty "
                                         "section answers every lookup)",
                                .count = 1});
  }
  if (!wellFormed) {
    section.findings.push_back({.id = std::string("environment.malformed-") + key,
                                .severity = Severity::kError,
                                .title = std::string(key) + " is not upper-case hexadecimal in "
                                                            "blocks of 16 digits",
                                .count = 1});
  }
  section.facts.push_back({key, fact});
}

void CheckSettings(Section& section, bool specialSource) {
  const bool present = fs::is_regular_file(kSettingsFile);
  section.facts.push_back(
      {"settings file", std::string(kSettingsFile) + (present ? " found" : " missing")});
  if (specialSource) return;
  if (!present) {
    section.findings.push_back({.id = "environment.no-settings-file",
                                .severity = Severity::kBlocker,
                                .title = "no settings file: the run logs in with an empty login",
                                .count = 1});
    return;
  }
  CheckSetting(section, "LOGIN", Severity::kError);
  CheckSetting(section, "PASS", Severity::kError);
  CheckSetting(section, "DB_SYSTEM", Severity::kInfo);
}

void CheckDirectories(Section& section) {
  const fs::path log = fs::path(kRunLogFile).parent_path();
  const bool logWritable = fs::is_directory(log) && CanWriteIn(log);
  section.facts.push_back(
      {"log directory",
       log.generic_string() + (logWritable ? " writable" : " missing or read-only")});
  if (!logWritable) {
    section.findings.push_back({.id = "environment.no-log",
                                .severity = Severity::kWarning,
                                .title = "the log directory is missing or read-only: the run "
                                         "writes no log at all",
                                .count = 1});
  }
  const bool workWritable = CanWriteIn(".");
  section.facts.push_back({"working directory", workWritable ? "writable" : "NOT writable"});
  if (!workWritable) {
    section.findings.push_back({.id = "environment.work-dir-read-only",
                                .severity = Severity::kBlocker,
                                .title = "the working directory is not writable: no file can "
                                         "be written",
                                .count = 1});
  }
}

}  // namespace

Section EnvironmentSection(bool specialSource) {
  Section section{.id = "environment", .title = "Where it runs"};
  CheckSettings(section, specialSource);
  CheckDirectories(section);
  std::string replaced;
  for (const std::string_view file : kFiles) {
    if (!fs::exists(fs::path(file))) continue;
    if (!replaced.empty()) replaced += ", ";
    replaced += file;
  }
  section.facts.push_back({"files replaced", replaced.empty() ? "none" : replaced});
  return section;
}

}  // namespace skarvik::check
