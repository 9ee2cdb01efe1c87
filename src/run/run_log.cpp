#include "run/run_log.h"

#include <cstdio>
#include <string>

#include "run/paths.h"
#include "run/text_stream.h"

namespace skarvik {

void WriteLog(const char* path, const char* backupPath, std::string_view text) {
  TextStream log(path, TextStream::Mode::kAppend);
  if (!log.isOpen()) return;
  log.write(text);
  log.write("\n");
  const long size = log.position();
  log.close();
  if (size > kRunLogRotationSize) {
    std::remove(backupPath);
    std::rename(path, backupPath);
  }
}

void WriteLog(std::string_view text) { WriteLog(kRunLogFile, kRunLogBackupFile, text); }

}  // namespace skarvik
