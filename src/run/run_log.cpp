#include "run/run_log.h"

#include <cstdio>
#include <string>

#include "base/text_stream.h"

namespace skarvik {

void WriteLog(const char* path, const char* backupPath, std::string_view text) {
  TextStream log(path, TextStream::Mode::kAppend);
  if (!log.isOpen()) return;
  log.write(text);
  log.write("\n");
  const long size = log.position();
  // A line that did not reach the disk is lost without notice.
  log.close();
  if (size > kRunLogRotationSize) {
    std::remove(backupPath);
    std::rename(path, backupPath);
  }
}

}  // namespace skarvik
