#include "cipher/cipher_tool.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "settings/ini_lookup.h"
#include "settings/value_cipher.h"
#include "skarvik_version.h"

namespace skarvik {
namespace {

struct ToolRun {
  int exit;
  std::string out;
  std::string err;
};

ToolRun RunTool(std::vector<std::string_view> args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int exit = RunCipherTool(args, in, out, err);
  return {exit, out.str(), err.str()};
}

std::string E(std::string_view plain) { return EncryptValue(plain, kSettingsKey); }

TEST(CipherTool, CommandsPrintTheirResult) {
  const std::string pw = E("pw");
  const std::string longest(96, 'x');  // the arguments below only view it
  struct Case {
    const char* name;
    std::vector<std::string_view> args;
    std::string input;
    std::string out;
  } cases[] = {
      {"encrypt", {"encrypt", "pw"}, "", pw + "\n"},
      {"encrypt from standard input", {"encrypt", "-"}, "pw\r\nnext line\n", pw + "\n"},
      {"encrypt empty text", {"encrypt", ""}, "", "\n"},
      {"encrypt longest text", {"encrypt", longest}, "", E(longest) + "\n"},
      {"decrypt", {"decrypt", pw}, "", "pw\n"},
      {"decrypt from standard input", {"decrypt", "-"}, pw, "pw\n"},
      {"entry", {"entry", "DB", "7", "PASS", "pw"}, "", ";DB;\n7;PASS;" + pw + "\n"},
      {"entry from standard input",
       {"entry", "DB", "+7", "PASS", "-"},
       "pw\n",
       ";DB;\n7;PASS;" + pw + "\n"},
      {"help", {"--help"}, "", ""},
      {"version", {"--version"}, "", std::string("skarvik-cipher ") + kSkarvikVersion + "\n"},
  };
  for (const Case& c : cases) {
    const ToolRun run = RunTool(c.args, c.input);
    EXPECT_EQ(run.exit, kCipherOk) << "case " << c.name << ": " << run.err;
    if (c.args[0] == "--help") {
      EXPECT_NE(run.out.find("Usage: skarvik-cipher"), std::string::npos);
    } else {
      EXPECT_EQ(run.out, c.out) << "case " << c.name;
    }
    EXPECT_EQ(run.err, "") << "case " << c.name;
  }
}

TEST(CipherTool, RefusesWhatTheSettingsFileCannotHold) {
  const std::string too_long_text(97, 'x');  // the arguments below only view these
  const std::string too_long_section(197, 's');
  struct Case {
    const char* name;
    std::vector<std::string_view> args;
    std::string input;
    int exit;
  } cases[] = {
      {"no arguments", {}, "", kCipherUsageError},
      {"unknown command", {"scramble", "x"}, "", kCipherUsageError},
      {"too few arguments", {"entry", "DB", "1", "PASS"}, "", kCipherUsageError},
      {"too many arguments", {"encrypt", "a", "b"}, "", kCipherUsageError},
      {"text over 96 bytes", {"encrypt", too_long_text}, "", kCipherInvalidValue},
      {"text with a line feed", {"encrypt", "a\nb"}, "", kCipherInvalidValue},
      {"text with a NUL from standard input",
       {"encrypt", "-"},
       std::string("a\0b", 3),
       kCipherInvalidValue},
      {"nothing on standard input", {"encrypt", "-"}, "", kCipherInvalidValue},
      {"lower-case hex", {"decrypt", "0123456789abcdef"}, "", kCipherInvalidValue},
      {"hex not whole blocks", {"decrypt", "0123456789ABCDE"}, "", kCipherInvalidValue},
      {"number not decimal", {"entry", "DB", "x7", "PASS", "pw"}, "", kCipherInvalidValue},
      {"number out of range", {"entry", "DB", "2147483648", "PASS", "pw"}, "", kCipherInvalidValue},
      {"section with ;", {"entry", "D;B", "1", "PASS", "pw"}, "", kCipherInvalidValue},
      {"key with a line break", {"entry", "DB", "1", "PA\rSS", "pw"}, "", kCipherInvalidValue},
      {"section too long for the header line",
       {"entry", too_long_section, "1", "K", "pw"},
       "",
       kCipherInvalidValue},
  };
  for (const Case& c : cases) {
    const ToolRun run = RunTool(c.args, c.input);
    EXPECT_EQ(run.exit, c.exit) << "case " << c.name;
    EXPECT_EQ(run.out, "") << "case " << c.name;
    EXPECT_NE(run.err.find("skarvik-cipher: "), std::string::npos) << "case " << c.name;
    EXPECT_EQ(run.err.find("Usage:") != std::string::npos, c.exit == kCipherUsageError)
        << "case " << c.name;
  }
}

TEST(CipherTool, WarnsOfEntriesThatAnswerEveryLookup) {
  for (std::vector<std::string_view> args :
       {std::vector<std::string_view>{"entry", "DB", "0", "PASS", "pw"},
        {"entry", "", "5", "PASS", "pw"}}) {
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.exit, kCipherOk) << args[1] << " " << args[2];
    EXPECT_NE(run.err.find("warning"), std::string::npos) << args[1] << " " << args[2];
  }
}

TEST(CipherTool, PrintedEntriesAreFoundByTheLookup) {
  const std::string text = "P\xE4ss;w0rd with blanks ";
  const ToolRun login = RunTool({"entry", "VK1", "1", "LOGIN", "skarvik"});
  const ToolRun pass = RunTool({"entry", "VK2", "2", "PASS", "-"}, text + "\n");
  const auto path = std::filesystem::path(::testing::TempDir()) /
                    ("cipher_tool_entries_" + std::to_string(getpid()) + ".ini");
  std::ofstream(path, std::ios::binary) << login.out << pass.out;

  EXPECT_EQ(GetIniValue("", "LOGIN", 0, path.c_str()).iniValue.view(), "skarvik");
  EXPECT_EQ(GetIniValue("", "PASS", 0, path.c_str()).iniValue.view(), text);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace skarvik
