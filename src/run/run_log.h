// The run log: one line per event, appended to a plain text file that another
// process may read or rotate between two lines. Each line is written by its
// own open-append-close cycle, so the log is complete on disk after every
// call. When the file has grown beyond 10 MiB it becomes the backup and the
// next line starts a new log. A line that cannot be written is dropped
// silently: the log must never stop a migration.
#pragma once

#include <string_view>

namespace skarvik {

inline constexpr long kRunLogRotationSize = 10L * 1024 * 1024;

// Appends text and a line feed to the log at path; rotates into backupPath.
void WriteLog(const char* path, const char* backupPath, std::string_view text);

// The same for the program's own run log.
void WriteLog(std::string_view text);

}  // namespace skarvik
