// The companion program skarvik-cipher: enciphers values for the settings
// file, deciphers them for checking, and prints whole entries ready to paste.
//
// The program's main only hands its arguments and standard streams to
// RunCipherTool, so everything it does can be driven with string streams.
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace skarvik {

enum CipherToolExit : int {
  kCipherOk = 0,
  kCipherInvalidValue = 1,
  kCipherUsageError = 2,
};

// Reads one line typed on a terminal without showing it; false when the
// input ended first.
using TerminalReader = bool (*)(std::string& line);

// args are the command-line arguments after the program name. A value given
// as "-" comes from in, as it is piped; when readTerminal is set, standard
// input is a terminal instead, and the value is asked for on err and read
// through readTerminal, so that a password typed there is never shown.
int RunCipherTool(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                  std::ostream& err, TerminalReader readTerminal = nullptr);

}  // namespace skarvik
