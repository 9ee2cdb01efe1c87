// Whether the driver can carry the run at all: a second statement while
// the first still has rows, the cursor the export asks for, ISO-8859-1 bytes
// that come back as they went in, and each table answering the export's
// own SQL text. Each check passes or fails; a failure blocks the run.
#pragma once

#include <string>
#include <vector>

#include "check/report.h"
#include "db/session.h"

namespace skarvik::check {

// failureLines: the session's log as far as it goes, which shows a failed
// query's two lines.
Section DriverSection(Session& session, const std::vector<std::string>& failureLines);

}  // namespace skarvik::check
