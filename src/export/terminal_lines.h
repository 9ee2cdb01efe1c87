// The TRM lines of Device.dat and the two queries that fill them: the
// terminal table (with its numeric type codes mapped to model strings) and
// the terminal-type table, whose rows become terminals of their own.
#pragma once

#include "db/query.h"
#include "export/line_sink.h"
#include "export/terminal_record.h"

namespace skarvik {

extern const Query<TerminalRecord> kTerminalQuery;   // SQL_Open_TermAlt
extern const Query<TerminalRecord> kTypeTableQuery;  // SQL_Open_Vks114Tsm

inline constexpr char kImportCreator[] = "VKImport";
inline constexpr char kTypeTableCreator[] = "VKImport(Vks114Tsm)";

// "TRM" and the 39 fields of the record.
void WriteTrmLine(LineSink& sink, const TerminalRecord& r);

}  // namespace skarvik
