// The places of the settings file and the run log, relative to the working
// directory, which lies two levels below the newer system's root. The
// settings file's path differs by platform (base/platform.h). These are the
// only paths of that kind in the program.
#pragma once

#include "base/platform.h"

namespace skarvik {

inline constexpr char kRunLogFile[] = "../../Kelvarion_php/log/Brolandix#Log.txt";
inline constexpr char kRunLogBackupFile[] = "../../Kelvarion_php/log/Brolandix#Log_bak.txt";

}  // namespace skarvik
