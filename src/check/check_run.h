// One run of skarvik-check: where it runs, the connection (read-only, with
// the login the export would use), the sections of the command asked for,
// the report written whole, and only then the exit code.
#pragma once

#include <ostream>

#include "check/command_line.h"

namespace skarvik::check {

// The exit code: a CheckExit.
int RunCheck(const CheckOptions& options, std::ostream& out);

// skarvik-check repair: the script to out (or its file), the summary and
// any question to err; after an applied repair, preflight's report to out.
int RunRepairCheck(const CheckOptions& options, std::ostream& out, std::ostream& err);

}  // namespace skarvik::check
