// Every kind of finding listed with what it means: for a person at a
// console and for a script (skarvik-check findings), and for the manual
// page, whose list is written from the same table when the program is
// built.
//
// The console and the script see the same fields of each kind, in the same
// order: its id, the severity it counts with, its title as a report shows
// it (with its {parts} not yet filled in) and its meaning as a sentence.
//
// Text: each kind under its id, the names of its fields aligned, a value too
// long for 79 columns carried on under itself; a blank line between kinds:
//
//   driver.table.{table}.assignment
//      severity  blocker
//      title     {name} answers {tag}
//      meaning   The type table does not answer the lookup of a table's
//                terminal type.
//
//   forecast.no-communication-row
//      severity  warning
//      ...
//
// JSON: one document, versioned as the report is, keys in this order,
// pretty-printed with two blanks and ended by LF; whatever changes the shape
// raises formatVersion:
//
//   {"format": "skarvik-check-findings", "formatVersion": 1,
//    "findings": [{"id": "hazard.comma", "severity": "error",
//                  "title": "comma in {column}",
//                  "meaning": "The import splits the line at the comma and every later field
//                  moves."}]}
//
// Manual page: the troff of the FINDINGS section's entries, each a tagged
// paragraph with the id in bold and its parts in italics, then the severity
// in brackets and the meaning:
//
//   .TP
//   .B driver.table.\fI{table}\fB.assignment
//   (blocker) The type table does not answer the lookup of a table's terminal type.
#pragma once

#include <ostream>
#include <span>

#include "check/report/finding_kinds.h"

namespace skarvik::check {

void WriteFindingsText(std::span<const FindingKind> kinds, std::ostream& out);

void WriteFindingsJson(std::span<const FindingKind> kinds, std::ostream& out);

void WriteFindingsManual(std::span<const FindingKind> kinds, std::ostream& out);

}  // namespace skarvik::check
