// The report as a script reads it: one JSON document, versioned.
//
//   {"format": "skarvik-check-report", "formatVersion": 1,
//    "command": "preflight", "dataSource": "VKOLD",
//    "sections": [{"id": "hazards", "title": "Hazards per column",
//                  "facts": {},
//                  "findings": [{"id": "hazard.comma", "severity": "error",
//                                "title": "comma in TrmNam", "count": 1,
//                                "examples": [{"file": "Device.dat", "line": 109,
//                                              "key": "Tor 3, Einfahrt",
//                                              "column": "TrmNam",
//                                              "value": "Tor 3, Einfahrt",
//                                              "effect": "41 fields instead of 40 from field 3
//                                              on"}]}]}],
//    "verdict": {"blockers": 0, "errors": 7, "warnings": 6}}
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

#include "check/report/report.h"

namespace skarvik::check {

void WriteJsonReport(const Report& report, bool quiet, std::ostream& out);

}  // namespace skarvik::check
