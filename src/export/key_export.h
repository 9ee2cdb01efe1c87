// The key tables of the old database: TstKopf.dat gets one header line per
// key table that some terminal type uses, with the values the newer system
// expects for the table's terminal model, and TstPos.dat the key positions
// of those tables. A table that no terminal type names is left out with a
// line in the run log.
#pragma once

#include "db/session.h"
#include "export/key_records.h"
#include "export/table_pair.h"

namespace skarvik {

extern const TablePairExport<KeyTableHeader, KeyPosition> kKeyTables;

// True when both files were written and closed whole, whatever the queries
// did (their failures are in the run log).
inline bool ExportKeyTables(Session& session) { return ExportTablePair(session, kKeyTables); }

}  // namespace skarvik
