#include "site/login.h"

#include "settings/ini_lookup.h"
#include "site/paths.h"

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

bool PurgesCommunicationTable(const Session& session) {
  if (session.specialSource()) return false;
  Text<41> upper = session.dbSystem();
  StrUpper(upper.data());
  return upper == "MSSQL" || upper == "SQLSERVER";
}

}  // namespace skarvik
