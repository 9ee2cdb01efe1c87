#include "export/table_files.h"

#include "run/run_log.h"
#include "run/text_stream.h"

namespace skarvik {

int ExportFilePair(
    const FilePair& files,
    const std::function<void(OutputFile& headers, OutputFile& positions)>& writeTables) {
  OutputFile headers(files.headerPath, files.headerWord);
  if (!headers.isOpen()) return kOutputFileFailed;
  OutputFile positions(files.positionPath, files.positionWord);
  if (!positions.isOpen()) return kOutputFileFailed;
  writeTables(headers, positions);
  const bool headersWritten = headers.finish();
  const bool positionsWritten = positions.finish();
  return headersWritten && positionsWritten ? 0 : kOutputFileFailed;
}

void LogUnassignedTable(const char* tableKind, const char* name) {
  WriteLog(
      Format("%s %s : keinem Terminal zugeordnet -> nicht \xFC"
             "bernehmen.",
             tableKind, name));
}

}  // namespace skarvik
