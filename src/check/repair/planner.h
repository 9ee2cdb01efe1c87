// Plans a repair from the tables as stored: the values mended in their rows,
// the keys renamed with every row that refers to them, and the templates of
// what only the administrator can decide. The database is asked only where
// its own comparison decides: whether a renamed key would meet a value it
// already holds, and whether a lookup really finds nothing.
#pragma once

#include <vector>

#include "check/repair/repair_plan.h"
#include "check/repair/stored_table.h"
#include "db/session.h"

namespace skarvik::check {

struct PlanInput {
  Session& session;
  const std::vector<StoredTable>& tables;  // every table of the plan
  char comma = ';';                        // what a comma in a value becomes
};

RepairPlan PlanRepair(const PlanInput& input);

// The parts, each adding to plan.
void PlanValueFixes(const PlanInput& input, RepairPlan& plan);
void PlanKeyFixes(const PlanInput& input, RepairPlan& plan);
void PlanTemplates(const PlanInput& input, RepairPlan& plan);

}  // namespace skarvik::check
