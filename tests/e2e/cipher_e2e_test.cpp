// skarvik-cipher as a program: what it prints for a value on the command
// line and for one piped to it. The settings file it writes is read by
// skarvik on either platform, so both programs must print the same bytes:
// a line piped from a Windows console or file ends with CR LF, and the
// program's own line ends are not the runtime's to translate.
//
// Letters beyond ASCII are piped only: Wine hands a command-line argument
// to the exe through the host's locale (UTF-8 here), so the byte 0xF6 of an
// argument arrives as "?". On Windows the argument arrives in the ANSI code
// page, 1252, where the German letters have their ISO-8859-1 bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "migration_tree.h"
#include "settings/value_cipher.h"
#include "skarvik_version.h"

namespace skarvik::testbed {
namespace {

class CipherProgram : public ::testing::TestWithParam<Platform> {};

TEST_P(CipherProgram, PrintsTheSameBytesOnEveryPlatform) {
  const std::string hex = EncryptValue("Passw\xF6rt", kSettingsKey);
  const struct {
    std::string name;
    std::vector<std::string> args;
    std::string input;
    std::string output;
  } cases[] = {
      {"version", {"--version"}, "", std::string("skarvik-cipher ") + kSkarvikVersion + "\n"},
      {"encrypt", {"encrypt", "Passwort"}, "", EncryptValue("Passwort", kSettingsKey) + "\n"},
      {"entry of a piped line with CR LF",
       {"entry", "VELKORA", "2", "PASS", "-"},
       "Passw\xF6rt\r\n",
       ";VELKORA;\n2;PASS;" + hex + "\n"},
      {"decrypt of a piped line", {"decrypt", "-"}, hex + "\n", "Passw\xF6rt\n"},
  };
  MigrationTree tree(GetParam());
  for (const auto& c : cases) {
    const RunResult result = tree.runCommand(CipherCommand(GetParam()), c.args, c.input);
    EXPECT_EQ(result.exitCode, 0) << "case " << c.name;
    EXPECT_EQ(result.output, c.output) << "case " << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Platforms, CipherProgram, ::testing::ValuesIn(TestedPlatforms()),
                         [](const auto& info) { return PlatformName(info.param); });

}  // namespace
}  // namespace skarvik::testbed
