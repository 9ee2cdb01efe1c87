// Where the newer system keeps what a migration reads and writes: the
// settings file with the login and the run log, both found relative to the
// working directory two levels below the newer system's root. The run and
// its companion skarvik-check take them from here.
#pragma once

#include "base/platform.h"  // kSettingsFile, whose spelling differs per platform

namespace skarvik {

// The same on every platform.
inline constexpr char kRunLogFile[] = "../../Kelvarion_php/log/Brolandix#Log.txt";
inline constexpr char kRunLogBackupFile[] = "../../Kelvarion_php/log/Brolandix#Log_bak.txt";

}  // namespace skarvik
