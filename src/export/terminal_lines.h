// The TRM lines of Device.dat and the two queries that fill them: the
// terminal table (with its numeric type codes mapped to model strings) and
// the terminal-type table, whose rows become terminals of their own.
#pragma once

#include "db/query.h"
#include "export/line_layout.h"
#include "export/terminal_record.h"

namespace skarvik {

extern const Query<TerminalRecord> kTerminalQuery;   // SQL_Open_TermAlt
extern const Query<TerminalRecord> kTypeTableQuery;  // SQL_Open_Vks114Tsm

// The creator every line carries in place of the row's own; the TRM lines
// of the terminal-type table carry the second one.
inline constexpr char kImportCreator[] = "VKImport";
inline constexpr char kTypeTableCreator[] = "VKImport(Vks114Tsm)";

inline constexpr char kTrmWord[] = "TRM";

// "TRM" and the 39 fields of a TerminalRecord.
extern const LineLayout kTrmLine;

}  // namespace skarvik
