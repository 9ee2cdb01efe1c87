// Windows: the C runtime's text mode, and the console's echo through the
// console mode.
//
// Run under Wine 8 only, with standard output a pipe. A real console differs
// in one way that shows: it draws the bytes in its own code page (850 in a
// German DOS window), so the ISO-8859-1 umlauts of a message show as other
// characters there, as they did with the old system. The bytes written are
// the same; the program leaves the console's code page alone, since a change
// would outlast the run.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

#include "base/platform.h"
#include "base/windows_api.h"

namespace skarvik {

const char kSettingsFile[] = R"(..\..\Files\Kelvarion.Ini)";

// The program ends its lines with CR LF itself; in text mode the runtime
// would turn that into CR CR LF, and would drop the CR of a piped line.
void UseBinaryStandardStreams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

bool IsTerminal(std::FILE* stream) { return _isatty(_fileno(stream)) != 0; }

bool ReadLineWithoutEcho(std::string& line) {
  line.clear();
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  DWORD saved = 0;
  const bool console = GetConsoleMode(input, &saved) != 0;
  if (console) SetConsoleMode(input, saved & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
  bool gotLine = false;
  for (int c = std::getchar(); c != EOF; c = std::getchar()) {
    gotLine = true;
    if (c == '\n') break;
    line.push_back(static_cast<char>(c));
  }
  if (console) SetConsoleMode(input, saved);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return gotLine;
}

}  // namespace skarvik
