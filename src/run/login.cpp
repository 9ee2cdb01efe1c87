#include "run/login.h"

#include "base/platform.h"
#include "settings/ini_lookup.h"

namespace skarvik {
namespace {

template <std::size_t N>
void TakeSetting(const char* key, Text<N>& target) {
  IniEntry entry = GetIniValue("", key, 0, kSettingsFile);
  target.assign(entry.iniValue.view());
  entry.iniValue.wipe();
}

}  // namespace

void LookUpLogin(Login& login) {
  TakeSetting("LOGIN", login.userName);
  TakeSetting("PASS", login.password);
  TakeSetting("DB_SYSTEM", login.dbSystem);
}

bool PurgesCommunicationTable(std::string_view dbSystem) {
  Text<41> upper;
  upper.assign(dbSystem);
  StrUpper(upper.data());
  return dbSystem.size() <= upper.kCapacity && (upper == "MSSQL" || upper == "SQLSERVER");
}

}  // namespace skarvik
