// Device.dat: one TRM line per terminal of the terminal table, each
// followed by its reader lines; then, where the type table is read, the
// same for every row of the terminal-type table.
#pragma once

#include "db/session.h"
#include "export/line_sink.h"

namespace skarvik {

// Every line of Device.dat, in file order, into sink.
void WriteDeviceLines(Session& session, LineSink& sink);

}  // namespace skarvik
