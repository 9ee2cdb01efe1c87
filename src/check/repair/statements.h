// Running a statement of the repair through the data source: its text with
// a "?" for every value, the values bound as bytes, so that no quote or
// backslash of a value is ever read as SQL.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/repair/repair_plan.h"
#include "db/session.h"

namespace skarvik::check {

// SELECT COUNT(*) FROM table WHERE c1 = ? AND c2 = ?: the rows the
// database's own comparison finds; nothing when the query failed.
std::optional<std::int64_t> CountWhere(
    Session& session, std::string_view table,
    const std::vector<std::pair<std::string, std::string>>& where);

// UPDATE table SET column = ? WHERE ...: the rows the driver says it
// changed (SQLRowCount); nothing when the statement failed, with the
// driver's account in error.
std::optional<std::int64_t> RunUpdate(Session& session, const Statement& statement,
                                      std::string& error);

}  // namespace skarvik::check
