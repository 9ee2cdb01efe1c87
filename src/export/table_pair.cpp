#include "export/table_pair.h"

#include "base/text_stream.h"

namespace skarvik {

void LogUnassignedTable(LogSink& log, const char* skipWord, std::string_view name) {
  log.append(
      Format("%s %.*s : keinem Terminal zugeordnet -> nicht \xFC"
             "bernehmen.",
             skipWord, static_cast<int>(name.size()), name.data()));
}

}  // namespace skarvik
