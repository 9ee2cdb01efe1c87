// The TRM lines of Device.dat and the two queries that fill them: the
// terminal table (with its numeric type codes mapped to model strings) and
// the terminal-type table, whose rows become terminals of their own.
#pragma once

#include "db/query.h"
#include "export/line_layout.h"
#include "export/terminal_record.h"

namespace skarvik {

extern const Query<TerminalRecord> kTerminalQuery;
extern const Query<TerminalRecord> kTypeTableQuery;

// The creator every line carries in place of the row's own; the TRM lines
// of the terminal-type table carry the second one.
inline constexpr char kImportCreator[] = "VKImport";
inline constexpr char kTypeTableCreator[] = "VKImport(Vks114Tsm)";

inline constexpr char kTrmWord[] = "TRM";

// "TRM" and the fields of a TerminalRecord, in the order of the line.
extern const LineLayout kTrmLine;

}  // namespace skarvik
