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
//   skarvik-check preflight, data source VKOLD
//
//   0. Where it runs
//      settings file      ../../Files/Kelvarion.Ini found
//      LOGIN              found, enciphered
//
//   2. Driver fitness
//      [info]    passed  a second statement runs while the first still has rows
//
//   4. Hazards per column
//      [ERROR]        3  comma in ZlsTrm
//         Device.dat line 110, key "Tor 3, Einfahrt, 9", ZlsTrm = "Tor 3, Einfahrt"
//           -> 14 fields instead of 13 from field 3 on
//         ... and 2 more
//      [WARNING]      1  key ending in blanks or tabs: TrmNam
//         key "Pforte", TrmNam = "Pforte "
//           -> looked up as "Pforte": a database that compares blanks exactly finds nothing for it
//
//   preflight: 0 blockers, 7 errors, 6 warnings
//
// With quiet, only the findings that count as errors or blockers are
// shown, each under its section's heading, and the verdict line: a report
// with nothing wrong is that line alone.
#pragma once

#include <ostream>

#include "check/report/report.h"

namespace skarvik::check {

void WriteTextReport(const Report& report, bool quiet, std::ostream& out);

}  // namespace skarvik::check
