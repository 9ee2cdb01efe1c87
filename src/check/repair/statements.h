// Running a statement of the repair through the data source, its values
// bound as bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "check/repair/repair_plan.h"
#include "db/session.h"

namespace skarvik::check {

// UPDATE table SET column = ? WHERE ...: the rows the driver says it
// changed (SQLRowCount); nothing when the statement failed, with the
// driver's account in error.
std::optional<std::int64_t> RunUpdate(Session& session, const Statement& statement,
                                      std::string& error);

}  // namespace skarvik::check
