// The report as a person reads it, in a Windows console or a terminal.
//
// Plain ASCII in 80 columns, no colour, lines ended by LF. Every text goes
// through Escaped, so a value with a CR, a comma or an umlaut stays on its
// line and shows what the database holds. Sections are numbered from 0 in
// the order they come; a section lists its facts, names aligned, then its
// findings: a severity tag, the count (or passed/FAILED for a check that
// passes or fails), the title, and under it each example on its own line.
// The tag is the severity the finding counts with (SeverityOf), and the
// count column is as wide as the report's widest count, so that the titles
// line up. The effect of an example follows it on the same line when that
// fits in 79 columns, else on the next; a finding with more occurrences
// than examples says how many more. The verdict line is always last:
//
//   skarvik-check preflight, data source VELKORA
//
//   0. Where it runs
//      Settings file  ../../Files/Kelvarion.Ini
//      LOGIN          found
//      [info]    passed  The log directory is writable
//
//   1. Hazards per column
//      [ERROR]        3  A value holds a comma
//         Device.dat line 3, key "T01", TrmNam = "Kasse, 1"
//           -> 41 fields instead of 40 from field 12 on
//         key "T07", TrmOrt = "Ost,West" -> 41 fields instead of 40
//         ... and 1 more
//      [WARNING]      1  A key ends in blanks
//         key "T02  " -> found by no lookup here
//
//   preflight: 0 blockers, 1 error, 1 warning
//
// With quiet, only the findings that count as errors or blockers are
// shown, each under its section's heading, and the verdict line: a report
// with nothing wrong is that line alone.
#pragma once

#include <ostream>

#include "check/report.h"

namespace skarvik::check {

void WriteTextReport(const Report& report, bool quiet, std::ostream& out);

}  // namespace skarvik::check
