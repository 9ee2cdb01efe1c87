// skarvik-check repair: plans one change per row from the tables as the
// database holds them, writes it as a SQL script to review, and, asked to
// with a reviewed script, applies it through the data source in one
// transaction. Without --apply nothing is changed.
#pragma once

#include <ostream>
#include <string>

#include "check/report/report.h"
#include "db/session.h"

namespace skarvik::check {

struct RepairOptions {
  std::string dataSource;
  std::string output;     // the script's file; "" for standard output
  std::string applyFile;  // the reviewed script to apply; "" to plan only
  bool yes = false;       // apply without asking
  char comma = ';';       // what a comma in a value becomes
  bool json = false;      // a JSON report on out; the script needs output then
};

struct RepairResult {
  CheckExit exit = kCheckPassed;
  bool applied = false;  // committed: the caller shows what is left
};

// On a connected session of an ordinary data source. The script or the
// JSON report goes to out (or the output file), the summary, questions and
// refusals to err.
RepairResult RunRepair(Session& session, const RepairOptions& options, std::ostream& out,
                       std::ostream& err);

}  // namespace skarvik::check
