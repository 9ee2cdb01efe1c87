// A fresh directory tree of the newer system for one end-to-end test:
//
//   ROOT/Files/Kelvarion.Ini        the settings file (written on demand)
//   ROOT/Kelvarion_php/log/         the run log
//   ROOT/a/b/                       the working directory of the run
//   ROOT/odbc/                      odbcinst.ini and odbc.ini
//
// run() starts the real skarvik program of the tree's platform there with
// ODBCSYSINI and ODBCINI pointing at ROOT/odbc, and returns its exit code and
// standard output. The tree is removed again when the object goes.
//
// On the Windows platform the program is skarvik.exe under wine64. Wine's
// ODBC32.dll hands every call to the host's unixODBC, so the exe reaches the
// same data sources through the same odbc.ini, and its files, run log and
// console must hold the same bytes as the Linux program's.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace skarvik::testbed {

enum class Platform { kLinux, kWindows };

// The platforms this test run covers: both, unless SKARVIK_SKIP_WINDOWS=1
// leaves out Windows. A Windows platform that cannot run (no exe, no wine64,
// no Wine prefix) fails its tests.
std::vector<Platform> TestedPlatforms();
// "Linux" or "Win64".
std::string PlatformName(Platform platform);
// GoogleTest shows a parameter by its name.
void PrintTo(Platform platform, std::ostream* out);
// Why the platform's program cannot be run in this test run, "" when it can.
std::string PlatformUnavailable(Platform platform);
// The command that runs the skarvik program of the platform:
// {"/path/skarvik"} or {"/path/wine64", "/path/skarvik.exe"}.
std::vector<std::string> SkarvikCommand(Platform platform);
// The same for skarvik-cipher.
std::vector<std::string> CipherCommand(Platform platform);
// skarvik-check, likewise.
std::vector<std::string> CheckCommand(Platform platform);

struct RunResult {
  int exitCode = -1000;  // as the shell shows it: 255 for -1
  std::string output;
};

class MigrationTree {
 public:
  // Fails the test at once when the platform cannot run.
  explicit MigrationTree(Platform platform = Platform::kLinux);
  ~MigrationTree();
  MigrationTree(const MigrationTree&) = delete;
  MigrationTree& operator=(const MigrationTree&) = delete;

  Platform platform() const { return platform_; }
  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path workDir() const { return root_ / "a" / "b"; }
  std::filesystem::path logFile() const;
  std::filesystem::path settingsFile() const { return root_ / "Files" / "Kelvarion.Ini"; }

  // odbc.ini holds the given data source sections.
  void declareDataSources(const std::string& sections);
  void writeSettings(const std::string& content);

  RunResult run(const std::vector<std::string>& arguments) const;
  // Any program, with the same environment and working directory.
  RunResult runProgram(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& input = "") const;
  // The same for a command: a program and the first arguments (wine64 and
  // the exe).
  RunResult runCommand(const std::vector<std::string>& command,
                       const std::vector<std::string>& arguments,
                       const std::string& input = "") const;

  // The bytes of a file of the working directory (or any path), "" if absent.
  std::string workFile(const std::string& name) const;
  std::string log() const;

 private:
  Platform platform_;
  std::filesystem::path root_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& content);
// The settings-file entry for key with value enciphered by skarvik-cipher.
std::string SettingsEntry(const MigrationTree& tree, const std::string& key,
                          const std::string& value);

}  // namespace skarvik::testbed
