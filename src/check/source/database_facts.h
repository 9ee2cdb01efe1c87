// What skarvik-check asks the database and its driver directly, beside the
// export's own queries: the driver's and the database's names and versions,
// and the number of rows of a table. The tables themselves are those of the
// export plan's queries.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/report/report.h"
#include "db/bound_statement.h"
#include "db/session.h"

namespace skarvik::check {

// SQLGetInfo as text; "" when the driver does not say.
std::string InfoText(Session& session, SQLUSMALLINT infoType);

// SELECT COUNT(*) of an old table ("Vks1140Trm"), named as the session
// names its tables; nothing when the query failed.
std::optional<std::int64_t> CountRows(Session& session, std::string_view table);

// SELECT COUNT(*) FROM table WHERE c1 = ? AND c2 = ?, the values bound as
// bytes: the rows the database's own comparison finds; nothing when the
// query failed.
std::optional<std::int64_t> CountWhere(Session& session, std::string_view table,
                                       const Equalities& where);

// Every value of column in the old table, as stored (NULLs left out);
// nothing when the query failed.
std::vector<std::string> ColumnValues(Session& session, std::string_view table,
                                      std::string_view column);

// The tables the run reads on this session, in the order the plan first
// reads them.
std::vector<std::string_view> TablesRead(const Session& session);

// "rows in Vks1140Trm" and so on, one fact per table read.
void AddTableCounts(Session& session, Section& section);

}  // namespace skarvik::check
