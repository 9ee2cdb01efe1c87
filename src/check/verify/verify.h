// The proof after a run: the five files in the working directory compared
// with what an export would write from the database now. The exports run
// into comparing sinks, line by line beside the files, so nothing is held
// but the line at hand and the examples kept.
#pragma once

#include "check/report/progress.h"
#include "check/report/report.h"
#include "check/source/query_failures.h"
#include "db/session.h"

namespace skarvik::check {

// Where the settings make the run empty the communication table, the first
// pass's TRM lines cannot be rebuilt from it. A file whose queries fail is
// not compared, and each failure is a finding; a connection that converts
// texts compares no file at all.
Section RunVerify(Session& session, std::size_t maxExamples, const QueryFailures& failures,
                  Progress& progress);

}  // namespace skarvik::check
