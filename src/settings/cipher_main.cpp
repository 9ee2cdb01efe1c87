// skarvik-cipher: enciphers and deciphers the values of the settings file.
#include <iostream>
#include <string_view>
#include <vector>

#include "base/platform.h"
#include "settings/cipher_tool.h"

int main(int argc, char** argv) {
  skarvik::UseBinaryStandardStreams();
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return skarvik::RunCipherTool(args, std::cin, std::cout, std::cerr);
}
