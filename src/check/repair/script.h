// The repair as a SQL script for the connected database system: a header
// that says what it is and how to run it, the statements in one
// transaction, each after a comment naming the finding it mends, then the
// values the export cuts and the templates, as comments that change
// nothing. Written as bytes: the database's ISO-8859-1 text stands in it as
// it is, and no line end is translated.
//
//   -- skarvik-check repair, data source VKOLD, 2026-12-10 13:00:00, skarvik-check 1.0.0
//   ...
//   BEGIN;
//
//   -- hazard.comma: Vks1140Trm, key "T1", TrmTxt: "Nord,S\xFCd" -> "Nord;S\xFCd" (comma)
//   UPDATE VKSYSTEM.Vks1140Trm SET TrmTxt = 'Nord;Süd' WHERE TrmNam = 'T1' AND TrmTxt = 'Nord,Süd';
//   -- 1 row
//
//   COMMIT;
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "check/repair/repair_plan.h"
#include "check/repair/sql_dialect.h"

namespace skarvik::check {

struct ScriptSource {
  DatabaseSystem system;
  std::string dataSource;
  std::string time;  // when it was planned
};

// One statement on one line, its rows counted in a comment after it.
std::string StatementLine(DatabaseSystem system, const Statement& statement);

std::string RepairScript(const RepairPlan& plan, const ScriptSource& source);

// The statement lines of a script, in order: what --apply holds against a
// new plan.
std::vector<std::string> StatementLines(std::string_view script);

}  // namespace skarvik::check
