// The companion program skarvik-cipher: enciphers values for the settings
// file, deciphers them for checking, and prints whole entries ready to paste.
//
// The program's main only hands its arguments and standard streams to
// RunCipherTool, so everything it does can be driven with string streams.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace skarvik {

enum CipherToolExit : int {
  kCipherOk = 0,
  kCipherInvalidValue = 1,
  kCipherUsageError = 2,
};

// args are the command-line arguments after the program name.
int RunCipherTool(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                  std::ostream& err);

}  // namespace skarvik
