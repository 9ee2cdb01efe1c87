#include "export/table_pair.h"

#include "base/text_stream.h"
#include "export/output_file.h"

namespace skarvik {

bool WithFilePair(const FilePair& files,
                  const std::function<void(LineSink& headers, LineSink& positions)>& write) {
  OutputFile headers(files.headerPath, files.headerWord);
  if (!headers.isOpen()) return false;
  OutputFile positions(files.positionPath, files.positionWord);
  if (!positions.isOpen()) return false;
  write(headers, positions);
  const bool headersWritten = headers.finish();
  const bool positionsWritten = positions.finish();
  return headersWritten && positionsWritten;
}

void LogUnassignedTable(LogSink& log, const char* skipWord, std::string_view name) {
  log.writeLine(
      Format("%s %.*s : keinem Terminal zugeordnet -> nicht \xFC"
             "bernehmen.",
             skipWord, static_cast<int>(name.size()), name.data()));
}

}  // namespace skarvik
