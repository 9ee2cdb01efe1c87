// POSIX: one kind of stream, and the terminal's echo through termios.
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "base/platform.h"

namespace skarvik {

// The old system wrote the path with backslashes; here it is the same file
// with slashes.
const char kSettingsFile[] = "../../Files/Kelvarion.Ini";

void UseBinaryStandardStreams() {}

bool IsTerminal(std::FILE* stream) { return isatty(fileno(stream)) == 1; }

bool ReadLineWithoutEcho(std::string& line) {
  line.clear();
  termios saved{};
  const bool terminal = tcgetattr(STDIN_FILENO, &saved) == 0;
  if (terminal) {
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    quiet.c_lflag |= ECHONL;  // the line break still shows, so the next output starts a line
    tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
  }
  bool gotLine = false;
  for (int c; (c = std::getchar()) != EOF;) {
    gotLine = true;
    if (c == '\n') break;
    line.push_back(static_cast<char>(c));
  }
  if (terminal) tcsetattr(STDIN_FILENO, TCSANOW, &saved);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return gotLine;
}

}  // namespace skarvik
