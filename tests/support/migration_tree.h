// A fresh directory tree of the newer system for one end-to-end test:
//
//   ROOT/Files/Kelvarion.Ini        the settings file (written on demand)
//   ROOT/Kelvarion_php/log/         the run log
//   ROOT/a/b/                       the working directory of the run
//   ROOT/odbc/                      odbcinst.ini and odbc.ini
//
// run() starts the real skarvik binary there with ODBCSYSINI and ODBCINI
// pointing at ROOT/odbc, and returns its exit code and standard output.
// The tree is removed again when the object goes.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace skarvik::testbed {

struct RunResult {
  int exitCode = -1000;  // as the shell shows it: 255 for -1
  std::string output;
};

class MigrationTree {
 public:
  MigrationTree();
  ~MigrationTree();
  MigrationTree(const MigrationTree&) = delete;
  MigrationTree& operator=(const MigrationTree&) = delete;

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

  // The bytes of a file of the working directory (or any path), "" if absent.
  std::string workFile(const std::string& name) const;
  std::string log() const;

 private:
  std::filesystem::path root_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& content);
// The settings-file entry for key with value enciphered by skarvik-cipher.
std::string SettingsEntry(const MigrationTree& tree, const std::string& key,
                          const std::string& value);

}  // namespace skarvik::testbed
