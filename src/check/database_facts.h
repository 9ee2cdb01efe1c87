// What skarvik-check asks the database and its driver directly, beside the
// export's own queries: the driver's and the database's names and versions,
// and the number of rows of a table.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "check/report.h"
#include "db/session.h"

namespace skarvik::check {

// SQLGetInfo as text; "" when the driver does not say.
std::string InfoText(Session& session, SQLUSMALLINT infoType);

// SELECT COUNT(*) of an old table ("Vks1140Trm"), named as the session
// names its tables; nothing when the query failed.
std::optional<std::int64_t> CountRows(Session& session, std::string_view table);

// The table's name as the session's SQL texts write it.
std::string TableName(const Session& session, std::string_view table);

// The tables the run reads on this session: all eight, or the three of the
// special data source.
std::span<const std::string_view> TablesRead(const Session& session);

// "rows in Vks1140Trm" and so on, one fact per table read.
void AddTableCounts(Session& session, Section& section);

}  // namespace skarvik::check
