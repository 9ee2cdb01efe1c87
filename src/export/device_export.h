// Device.dat: one TRM line per terminal of the terminal table, each
// followed by its reader lines; then, on ordinary data sources, the same for
// every row of the terminal-type table.
#pragma once

#include "db/session.h"

namespace skarvik {

// 0 when Device.dat was written, whatever the queries did; 90 when it could
// not be created or written.
int ExportDevices(Session& session);

}  // namespace skarvik
