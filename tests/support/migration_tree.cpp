#include "migration_tree.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <ostream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace skarvik::testbed {
namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const fs::path& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

namespace {

// Where wine64 is now, "" when nowhere: looked for when the tests run, not
// when the build was configured, so that Wine installed after that counts.
// Debian puts it in /usr/lib/wine, outside PATH.
const std::string& Wine64() {
  static const std::string found = [] {
    std::vector<fs::path> places;
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path != nullptr ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');) {
      if (!dir.empty()) places.emplace_back(dir);
    }
    places.emplace_back("/usr/lib/wine");
    for (const fs::path& dir : places) {
      const fs::path wine64 = dir / "wine64";
      if (access(wine64.c_str(), X_OK) == 0) return wine64.string();
    }
    return std::string();
  }();
  return found;
}

}  // namespace

std::vector<Platform> TestedPlatforms() {
  const char* skip = std::getenv("SKARVIK_SKIP_WINDOWS");
  if (skip != nullptr && std::strcmp(skip, "1") == 0) return {Platform::kLinux};
  return {Platform::kLinux, Platform::kWindows};
}

std::string PlatformName(Platform platform) {
  return platform == Platform::kWindows ? "Win64" : "Linux";
}

void PrintTo(Platform platform, std::ostream* out) { *out << PlatformName(platform); }

std::string PlatformUnavailable(Platform platform) {
  if (platform == Platform::kLinux) return "";
  std::string why;
  if (std::strlen(SKARVIK_WINDOWS_BINARY) == 0 || !fs::exists(SKARVIK_WINDOWS_BINARY)) {
    why = "skarvik.exe is not built (make windows; SKARVIK_WIN64_DIR names its build)";
  } else if (Wine64().empty()) {
    why = "wine64 is not installed";
  } else if (!fs::exists(fs::path(SKARVIK_WINE_PREFIX) / "system.reg")) {
    why = std::string("the Wine prefix ") + SKARVIK_WINE_PREFIX + " is not set up";
  }
  if (why.empty()) return why;
  return why +
         "; run the tests through scripts/test-wine.sh, or set SKARVIK_SKIP_WINDOWS=1 to leave "
         "the Windows program out";
}

std::vector<std::string> SkarvikCommand(Platform platform) {
  if (platform == Platform::kWindows) return {Wine64(), SKARVIK_WINDOWS_BINARY};
  return {SKARVIK_BINARY};
}

std::vector<std::string> CheckCommand(Platform platform) {
  if (platform == Platform::kWindows) return {Wine64(), SKARVIK_WINDOWS_CHECK_BINARY};
  return {SKARVIK_CHECK_BINARY};
}

std::vector<std::string> CipherCommand(Platform platform) {
  if (platform == Platform::kWindows) return {Wine64(), SKARVIK_WINDOWS_CIPHER_BINARY};
  return {SKARVIK_CIPHER_BINARY};
}

MigrationTree::MigrationTree(Platform platform) : platform_(platform) {
  // A Windows program that cannot run must fail the test, never pass it
  // unseen.
  if (const std::string why = PlatformUnavailable(platform); !why.empty()) {
    throw std::runtime_error("Windows: " + why);
  }
  std::string pattern = (fs::temp_directory_path() / "skarvik-e2e-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
  root_ = pattern;
  fs::create_directories(root_ / "Files");
  fs::create_directories(root_ / "Kelvarion_php" / "log");
  fs::create_directories(workDir());
  fs::create_directories(root_ / "odbc");
  WriteFile(root_ / "odbc" / "odbcinst.ini", "");
  WriteFile(root_ / "odbc" / "odbc.ini", "");
}

MigrationTree::~MigrationTree() {
  std::error_code ignored;
  if (std::getenv("SKARVIK_KEEP_TREES") == nullptr) fs::remove_all(root_, ignored);
}

fs::path MigrationTree::logFile() const {
  return root_ / "Kelvarion_php" / "log" / "Brolandix#Log.txt";
}

void MigrationTree::declareDataSources(const std::string& sections) {
  WriteFile(root_ / "odbc" / "odbc.ini", sections);
}

void MigrationTree::writeSettings(const std::string& content) {
  WriteFile(settingsFile(), content);
}

std::string MigrationTree::workFile(const std::string& name) const {
  return ReadFile(workDir() / name);
}

std::string MigrationTree::log() const { return ReadFile(logFile()); }

RunResult MigrationTree::run(const std::vector<std::string>& arguments) const {
  return runCommand(SkarvikCommand(platform_), arguments);
}

RunResult MigrationTree::runProgram(const std::string& program,
                                    const std::vector<std::string>& arguments,
                                    const std::string& input) const {
  return runCommand({program}, arguments, input);
}

RunResult MigrationTree::runCommand(const std::vector<std::string>& command,
                                    const std::vector<std::string>& arguments,
                                    const std::string& input) const {
  // Wine gets the test run's own prefix, whose wineserver scripts/test-wine.sh
  // keeps running, and prints nothing of its own.
  const std::vector<std::string> set = {
      "ODBCSYSINI=" + (root_ / "odbc").string(),
      "ODBCINI=" + (root_ / "odbc" / "odbc.ini").string(),
      std::string("WINEPREFIX=") + SKARVIK_WINE_PREFIX,
      "WINEDEBUG=-all",
  };
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    bool replaced = false;
    for (const std::string& s : set) {
      replaced = replaced || entry.rfind(s.substr(0, s.find('=') + 1), 0) == 0;
    }
    if (!replaced) env.push_back(entry);
  }
  env.insert(env.end(), set.begin(), set.end());

  const std::string& program = command.front();
  std::vector<char*> argv;
  for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);

  const fs::path inputFile = root_ / "odbc" / "stdin.txt";
  WriteFile(inputFile, input);
  int out[2];
  if (pipe(out) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    const int in = open(inputFile.c_str(), O_RDONLY);
    dup2(in, STDIN_FILENO);
    if (chdir(workDir().c_str()) != 0) _exit(127);
    execve(program.c_str(), argv.data(), envp.data());
    _exit(127);
  }
  close(out[1]);
  RunResult result;
  char buffer[4096];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) result.output.append(buffer, n);
  close(out[0]);
  int status = 0;
  waitpid(child, &status, 0);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
  return result;
}

std::string SettingsEntry(const MigrationTree& tree, const std::string& key,
                          const std::string& value) {
  // A section of its own and a number other than 0: an empty section or the
  // number 0 would answer every lookup of the run.
  static int entries = 0;
  const RunResult entry = tree.runProgram(
      SKARVIK_CIPHER_BINARY, {"entry", "ODBC", std::to_string(++entries), key, "-"}, value + "\n");
  EXPECT_EQ(entry.exitCode, 0) << entry.output;
  return entry.output;
}

}  // namespace skarvik::testbed
