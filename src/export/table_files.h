// What the balance-table and the key-table export share: each writes a pair
// of files, one header line per table in the first and the table's
// positions in the second, and each leaves out, with a log line, the tables
// that no terminal type uses.
#pragma once

#include <functional>
#include <string_view>

#include "export/output_file.h"

namespace skarvik {

struct FilePair {
  const char* headerPath;
  const char* headerWord;  // the record word of the console messages
  const char* positionPath;
  const char* positionWord;
};

// Creates both files (the header file stays behind, empty, when the
// position file cannot be created), lets writeTables fill them and closes
// them: 0, or 90 when a file could not be created or written.
int ExportFilePair(
    const FilePair& files,
    const std::function<void(OutputFile& headers, OutputFile& positions)>& writeTables);

// "Saldotab. NAME : keinem Terminal zugeordnet -> nicht übernehmen."
void LogUnassignedTable(const char* tableKind, const char* name);

}  // namespace skarvik
