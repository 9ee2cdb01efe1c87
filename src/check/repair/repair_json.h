// The repair as a script reads it: one JSON document, versioned, with each
// change and the finding it mends (table, key, column, the old and the new
// value, its statements and the rows each touches), the values the export
// cuts and the templates. Texts are the database's ISO-8859-1 bytes, written
// as UTF-8 as in the check's report; keys keep this order:
//
//   {"format": "skarvik-check-repair", "formatVersion": 1, "dataSource": "VKOLD",
//    "statements": 2,
//    "fixes": [{"finding": "hazard.comma", "table": "Vks1140Trm", "key": "T1",
//               "column": "TrmTxt", "old": "Nord,Süd", "new": "Nord;Süd",
//               "rules": "comma", "notes": [],
//               "statements": [{"sql": "UPDATE VKSYSTEM.Vks1140Trm SET ...", "rows": 1}]}],
//    "cuts": [], "templates": []}
#pragma once

#include <ostream>
#include <string>

#include "check/repair/repair_plan.h"
#include "check/repair/sql_dialect.h"

namespace skarvik::check {

void WriteRepairJson(const RepairPlan& plan, DatabaseSystem system, const std::string& dataSource,
                     std::ostream& out);

}  // namespace skarvik::check
