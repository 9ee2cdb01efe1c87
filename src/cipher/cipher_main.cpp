// skarvik-cipher: enciphers and deciphers the values of the settings file.
#include <cstdio>
#include <iostream>
#include <string_view>
#include <vector>

#include "base/platform.h"
#include "cipher/cipher_tool.h"

int main(int argc, char** argv) {
  skarvik::UseBinaryStandardStreams();
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const skarvik::TerminalReader readTerminal =
      skarvik::IsTerminal(stdin) ? &skarvik::ReadLineWithoutEcho : nullptr;
  return skarvik::RunCipherTool(args, std::cin, std::cout, std::cerr, readTerminal);
}
