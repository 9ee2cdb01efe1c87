// skarvik-check findings: what the id of a finding means, for an
// administrator who has a report but not the manual page. It reads the
// program's own table of findings and connects to nothing.
#pragma once

#include <ostream>

#include "check/command_line.h"

namespace skarvik::check {

// Every kind of finding, or the one options.findingId belongs to, in the
// format asked for. The exit code: kCheckPassed, or kCheckCannotRun with a
// message on err when no finding has the id.
int ShowFindings(const CheckOptions& options, std::ostream& out, std::ostream& err);

}  // namespace skarvik::check
