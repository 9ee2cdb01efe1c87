// Device.dat: one TRM line per terminal of the terminal table, each
// followed by its reader lines; then, on ordinary data sources, the same for
// every row of the terminal-type table.
#pragma once

#include "db/session.h"
#include "export/line_sink.h"

namespace skarvik {

// Every line of Device.dat, in file order, into sink.
void WriteDeviceLines(Session& session, LineSink& sink);

// Device.dat in the working directory: true when it was written and closed
// whole, whatever the queries did (their failures are in the run log).
bool ExportDevices(Session& session);

}  // namespace skarvik
