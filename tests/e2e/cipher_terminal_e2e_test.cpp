// skarvik-cipher on a real terminal: a password typed there is asked for
// and never shown, and the terminal shows what is typed again afterwards.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "settings/value_cipher.h"

namespace skarvik {
namespace {

struct TerminalRun {
  std::string screen;  // everything the terminal showed, echo included
  bool echoAfterwards = false;
  int exitCode = -1;
};

bool EchoOn(int terminal) {
  termios mode{};
  return tcgetattr(terminal, &mode) == 0 && (mode.c_lflag & ECHO) != 0;
}

// Appends what the terminal shows within the given time; false once it has
// nothing more to show, or the program has ended.
bool ReadAvailable(int terminal, std::string& screen, int milliseconds) {
  pollfd ready{.fd = terminal, .events = POLLIN};
  if (poll(&ready, 1, milliseconds) != 1) return false;
  char buffer[512];
  const ssize_t n = read(terminal, buffer, sizeof buffer);
  if (n <= 0) return false;
  screen.append(buffer, n);
  return true;
}

// Runs skarvik-cipher on a new pseudo-terminal and types input at it.
TerminalRun TypeAt(const std::vector<std::string>& arguments, const std::string& input) {
  TerminalRun run;
  int terminal = -1;
  const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
  if (child == 0) {
    std::vector<char*> argv{const_cast<char*>(SKARVIK_CIPHER_BINARY)};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  // Type only once the prompt stands and the echo is off, as a person would;
  // a program that never gets there fails the test after a few seconds.
  for (int waited = 0; waited < 5000 && run.screen.find("(not shown): ") == std::string::npos;
       ++waited) {
    ReadAvailable(terminal, run.screen, 1);
  }
  for (int waited = 0; waited < 5000 && EchoOn(terminal); ++waited) usleep(1000);
  if (write(terminal, input.data(), input.size()) != static_cast<ssize_t>(input.size())) return run;
  while (ReadAvailable(terminal, run.screen, 5000)) {
  }
  int status = 0;
  waitpid(child, &status, 0);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.echoAfterwards = EchoOn(terminal);
  close(terminal);
  return run;
}

TEST(CipherTerminal, PasswordTypedAtATerminalIsAskedForAndNeverShown) {
  const std::string password = "Fjordwind-Kalkstein";
  const TerminalRun run = TypeAt({"entry", "VELKORA", "2", "PASS", "-"}, password + "\n");
  EXPECT_EQ(run.exitCode, 0) << run.screen;
  EXPECT_NE(run.screen.find("skarvik-cipher: TEXT (not shown): "), std::string::npos) << run.screen;
  EXPECT_EQ(run.screen.find(password), std::string::npos) << run.screen;
  EXPECT_NE(run.screen.find("2;PASS;" + EncryptValue(password, kSettingsKey)), std::string::npos)
      << run.screen;
  EXPECT_TRUE(run.echoAfterwards);
}

}  // namespace
}  // namespace skarvik
