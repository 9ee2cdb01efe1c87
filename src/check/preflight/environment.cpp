#include "check/preflight/environment.h"

#include <filesystem>
#include <fstream>
#include <string>

#include "check/report/finding_kinds.h"
#include "export/export_plan.h"
#include "settings/hex.h"
#include "settings/value_cipher.h"
#include "site/login.h"
#include "site/paths.h"

namespace skarvik::check {
namespace {

namespace fs = std::filesystem;
using enum FindingId;

// A finding of kind for the settings key, found once.
Finding Once(FindingId which, std::string_view key) {
  Finding finding = MakeFinding(which, {{"key", key}, {"digits", std::to_string(kBlockDigits)}});
  finding.count = 1;
  return finding;
}

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

// One key of the settings file as the run's lookup finds it; a key the
// login needs is a finding when it is missing.
void CheckSetting(Section& section, const LoginSetting& setting) {
  const char* key = setting.key;
  const IniEntry entry = FindLoginSetting(key);
  const bool found = !entry.iniKey.empty() || !entry.iniSection.empty() || entry.iniNumber != 0 ||
                     !entry.iniValue.empty();
  if (!found) {
    section.facts.push_back({key, std::string("not found: the value is empty")});
    if (setting.needed) section.findings.push_back(Once(kMissingSetting, key));
    return;
  }
  const std::string_view value = entry.iniValue.view();
  const bool wellFormed = IsUpperHex(value) && value.size() % kBlockDigits == 0;
  std::string fact = wellFormed ? "found, enciphered" : "found, NOT a well-formed enciphered value";
  if (entry.iniKey.view() != key) {
    fact += std::string(", answered by the entry for key \"") + entry.iniKey.cStr() + "\"";
    section.findings.push_back(Once(kSettingAnsweredByOther, key));
  }
  if (!wellFormed) {
    section.findings.push_back(Once(kMalformedSetting, key));
  }
  section.facts.push_back({key, fact});
}

void CheckSettings(Section& section, bool specialSource) {
  const bool present = fs::is_regular_file(kSettingsFile);
  section.facts.push_back(
      {"settings file", std::string(kSettingsFile) + (present ? " found" : " missing")});
  if (specialSource) return;
  if (!present) {
    section.findings.push_back(Once(kNoSettingsFile, ""));
    return;
  }
  for (const LoginSetting& setting : LoginSettings()) CheckSetting(section, setting);
}

void CheckDirectories(Section& section) {
  const fs::path log = fs::path(kRunLogFile).parent_path();
  const bool logWritable = fs::is_directory(log) && CanWriteIn(log);
  section.facts.push_back(
      {"log directory",
       log.generic_string() + (logWritable ? " writable" : " missing or read-only")});
  if (!logWritable) {
    section.findings.push_back(Once(kNoLog, ""));
  }
  const bool workWritable = CanWriteIn(".");
  section.facts.push_back({"working directory", workWritable ? "writable" : "NOT writable"});
  if (!workWritable) {
    section.findings.push_back(Once(kWorkDirReadOnly, ""));
  }
}

}  // namespace

Section EnvironmentSection(bool specialSource) {
  Section section{.id = "environment", .title = "Where it runs"};
  CheckSettings(section, specialSource);
  CheckDirectories(section);
  std::string replaced;
  for (const PlannedFile& file : ExportPlan()) {
    if (!fs::exists(fs::path(file.name))) continue;
    if (!replaced.empty()) replaced += ", ";
    replaced += file.name;
  }
  section.facts.push_back({"files replaced", replaced.empty() ? "none" : replaced});
  return section;
}

}  // namespace skarvik::check
