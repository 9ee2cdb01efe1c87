// The proof after a run: the five files in the working directory compared
// with what an export would write from the database now. The exports run
// into comparing sinks, line by line beside the files, so nothing is held
// but the line at hand and the examples kept.
#pragma once

#include "check/progress.h"
#include "check/report.h"
#include "db/session.h"

namespace skarvik::check {

// purged: the settings make the run empty the communication table, so the
// first pass's TRM lines cannot be rebuilt from it.
Section RunVerify(Session& session, std::size_t maxExamples, bool purged, Progress& progress);

}  // namespace skarvik::check
