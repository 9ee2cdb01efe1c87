#include <termios.h>
#include <unistd.h>

#include <iostream>

#include "base/platform.h"

namespace skarvik {

// The old system named the file with backslashes; here it is the same file.
const char kSettingsFile[] = "../../Files/Kelvarion.Ini";

// POSIX has no text mode: every byte already reaches the console as written.
void UseBinaryStandardStreams() {}

bool IsTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) == 1; }

bool ReadLineWithoutEcho(std::string& line) {
  termios saved{};
  const bool haveTerminal = ::tcgetattr(STDIN_FILENO, &saved) == 0;
  if (haveTerminal) {
    termios silent = saved;
    silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    ::tcsetattr(STDIN_FILENO, TCSANOW, &silent);
  }
  const bool read = static_cast<bool>(std::getline(std::cin, line));
  // The echo comes back even when the input ended, or the shell that
  // started the program would be left typing blind.
  if (haveTerminal) ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
  return read;
}

}  // namespace skarvik
