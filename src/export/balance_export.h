// The balance tables of the old database: SldKopf.dat gets one header line
// per balance table that some terminal type uses, with that type's model,
// and SldPos.dat the positions of those tables. A table that no terminal
// type names is left out with a line in the run log. The two files are
// paired by the table name, not by their order.
#pragma once

#include "db/session.h"

namespace skarvik {

// 0 when both files were written, whatever the queries did; 90 when either
// could not be created or written.
int ExportBalanceTables(Session& session);

}  // namespace skarvik
