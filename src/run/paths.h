// The places of the settings file and the run log, relative to the working
// directory, which lies two levels below the newer system's root. The old
// system named the settings file with backslashes; on POSIX it is the same
// file with slashes. These are the only paths of that kind in the program.
#pragma once

namespace skarvik {

#ifdef _WIN32
inline constexpr char kSettingsFile[] = "..\\..\\Files\\Kelvarion.Ini";
#else
inline constexpr char kSettingsFile[] = "../../Files/Kelvarion.Ini";
#endif
inline constexpr char kRunLogFile[] = "../../Kelvarion_php/log/Brolandix#Log.txt";
inline constexpr char kRunLogBackupFile[] = "../../Kelvarion_php/log/Brolandix#Log_bak.txt";

}  // namespace skarvik
