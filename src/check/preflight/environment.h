// Where a check runs: what the run will find in the newer system's tree
// around the working directory, before any connection is made.
#pragma once

#include "check/report/report.h"

namespace skarvik::check {

// The settings file and its three keys (the password is never shown), the
// log directory, the working directory, and the output files a run would
// replace. specialSource: the data source needs no settings file.
Section EnvironmentSection(bool specialSource);

}  // namespace skarvik::check
