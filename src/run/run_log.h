// The run log: one line per event, appended to a plain text file that another
// process may read or rotate between two lines. Each line is written by its
// own open-append-close cycle, so the log is complete on disk after every
// call. When the file has grown beyond the rotation size it becomes the
// backup and the next line starts a new log. A line that cannot be written
// is dropped silently: the log must never stop a migration.
//
// The run sequence owns the run log and hands it to the session, which
// hands it on to the cursors and the exports.
#pragma once

#include <string_view>

#include "base/log_sink.h"
#include "site/paths.h"

namespace skarvik {

inline constexpr long kRunLogRotationSize = 10L * 1024 * 1024;

// Appends text and a line feed to the log at path; rotates into backupPath.
void WriteLog(const char* path, const char* backupPath, std::string_view text);

class RunLog : public LogSink {
 public:
  explicit RunLog(const char* path = kRunLogFile, const char* backupPath = kRunLogBackupFile)
      : path_(path), backupPath_(backupPath) {}
  void append(std::string_view line) override { WriteLog(path_, backupPath_, line); }

 private:
  const char* path_;
  const char* backupPath_;
};

}  // namespace skarvik
