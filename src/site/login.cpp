#include "site/login.h"

#include "site/paths.h"

namespace skarvik {
namespace {

// The login is looked up by key alone: no section, number 0.
constexpr std::string_view kNoSection = "";
constexpr std::int32_t kNoNumber = 0;

constexpr LoginSetting kLoginSettings[] = {kUserNameSetting, kPasswordSetting, kDbSystemSetting};

template <std::size_t kSize>
void TakeSetting(const LoginSetting& setting, Text<kSize>& target) {
  IniEntry entry = GetIniValue(kNoSection, setting.key, kNoNumber, kSettingsFile);
  target.assign(entry.iniValue.view());
  entry.iniValue.wipe();
}

}  // namespace

std::span<const LoginSetting> LoginSettings() { return kLoginSettings; }

IniEntry FindLoginSetting(const char* key) {
  return FindIniEntry(kNoSection, key, kNoNumber, kSettingsFile);
}

void LookUpLogin(Login& login) {
  TakeSetting(kUserNameSetting, login.userName);
  TakeSetting(kPasswordSetting, login.password);
  TakeSetting(kDbSystemSetting, login.dbSystem);
}

}  // namespace skarvik
