// Whether the driver can carry the run at all: a second statement while
// the first still has rows, the cursor the export asks for, ISO-8859-1 bytes
// that come back as they went in, and each table answering the export's
// own SQL text. Each check passes or fails; a failure blocks the run.
#pragma once

#include "check/report/report.h"
#include "check/source/query_failures.h"
#include "db/session.h"

namespace skarvik::check {

// failures: the session's log, which shows a failed query's lines.
Section DriverSection(Session& session, const QueryFailures& failures);

}  // namespace skarvik::check
