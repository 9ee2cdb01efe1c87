// The login of an ordinary data source as the settings file holds it: the
// run and its companion skarvik-check read it the same way.
#pragma once

#include <span>

#include "db/session.h"
#include "settings/ini_lookup.h"

namespace skarvik {

// A key of the login in the settings file.
struct LoginSetting {
  const char* key;
  bool needed;  // without it the run logs in with an empty value
};

inline constexpr LoginSetting kUserNameSetting = {.key = "LOGIN", .needed = true};
inline constexpr LoginSetting kPasswordSetting = {.key = "PASS", .needed = true};
inline constexpr LoginSetting kDbSystemSetting = {.key = "DB_SYSTEM", .needed = false};

// The three, in the order the run looks them up.
std::span<const LoginSetting> LoginSettings();

// The entry of the settings file that the run's lookup of key finds, its
// value still enciphered; all empty when none answers.
IniEntry FindLoginSetting(const char* key);

// LOGIN, PASS and DB_SYSTEM from the settings file, deciphered; a key that
// is missing there leaves its value empty.
void LookUpLogin(Login& login);

}  // namespace skarvik
