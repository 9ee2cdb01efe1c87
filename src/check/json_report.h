// The report as a script reads it: one JSON document, versioned.
//
//   {"format": "skarvik-check-report", "formatVersion": 1,
//    "command": "preflight", "dataSource": "VELKORA",
//    "sections": [{"id": "hazards", "title": "Hazards per column",
//                  "facts": {"Rows read": 120, "Driver": "SQLite3"},
//                  "findings": [{"id": "hazard.comma", "severity": "error",
//                                "title": "A value holds a comma", "count": 3,
//                                "examples": [{"file": "Device.dat", "line": 3,
//                                              "key": "T01", "column": "TrmNam",
//                                              "value": "Kasse, 1",
//                                              "effect": "..."}]}]}],
//    "verdict": {"blockers": 0, "errors": 1, "warnings": 0}}
//
// Keys keep this order. "severity" is the one the finding counts with (info
// for a passed check and for a count of nothing); "passed" is there only for
// checks that pass or fail; an example holds only the fields it knows. Every
// text is taken as ISO-8859-1, the database's bytes, and written as UTF-8,
// so the document is valid whatever a value holds. The verdict covers the
// whole report; with quiet, the sections keep only the findings that count
// as errors or blockers, no facts, and a section left without findings is
// left out. Pretty-printed with two blanks, ended by LF. Whatever changes
// the shape raises formatVersion.
#pragma once

#include <ostream>

#include "check/report.h"

namespace skarvik::check {

void WriteJsonReport(const Report& report, bool quiet, std::ostream& out);

}  // namespace skarvik::check
