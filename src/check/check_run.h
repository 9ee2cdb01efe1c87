// One run of skarvik-check: where it runs, the connection (read-only, with
// the login the export would use), the sections of the command asked for,
// the report written whole, and only then the exit code.
#pragma once

#include <ostream>

#include "check/command_line.h"

namespace skarvik::check {

// The exit code: a CheckExit.
int RunCheck(const CheckOptions& options, std::ostream& out);

}  // namespace skarvik::check
