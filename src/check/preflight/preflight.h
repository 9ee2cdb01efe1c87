// The preflight after the sections every check has: whether the driver can
// carry the run, the forecast of each file, the values the import will
// misread, and the purge.
#pragma once

#include <cstddef>

#include "check/report/progress.h"
#include "check/report/report.h"
#include "check/source/query_failures.h"
#include "db/session.h"

namespace skarvik::check {

// failures: the session's log, which every query failure reaches.
void AddPreflightSections(Session& session, std::size_t maxExamples, const QueryFailures& failures,
                          Progress& progress, Report& report);

}  // namespace skarvik::check
