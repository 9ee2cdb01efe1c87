// Applying a repair through the data source: every statement in one
// transaction, with autocommit off and the values bound as bytes. Each
// statement must change exactly the rows the plan counted; any failure or
// other count rolls everything back, so that either every statement holds
// or nothing changed.
#pragma once

#include <string>
#include <vector>

#include "check/repair/repair_plan.h"
#include "check/repair/sql_dialect.h"
#include "db/session.h"

namespace skarvik::check {

// Why the database cannot take the repair back should a statement fail:
// its driver knows no transactions, or a table lies in a MariaDB engine
// without them (MyISAM, Aria); "" when it can.
std::string CannotRollBack(Session& session, DatabaseSystem system,
                           const std::vector<std::string>& tables);

struct ApplyOutcome {
  bool committed = false;
  std::string failure;  // what went wrong and at which statement; "" when committed
};

ApplyOutcome ApplyRepair(Session& session, DatabaseSystem system, const RepairPlan& plan);

}  // namespace skarvik::check
