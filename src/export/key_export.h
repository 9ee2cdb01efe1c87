// The key tables of the old database: TstKopf.dat gets one header line per
// key table that some terminal type uses, with the values the newer system
// expects for the table's terminal model, and TstPos.dat the key positions
// of those tables. A table that no terminal type names is left out with a
// line in the run log.
#pragma once

#include "db/session.h"

namespace skarvik {

// 0 when both files were written, whatever the queries did; 90 when either
// could not be created or written.
int ExportKeyTables(Session& session);

}  // namespace skarvik
