// Which runs empty the communication-parameter table, and which table that
// is. A run on an ordinary data source whose DB_SYSTEM setting names a
// Microsoft SQL Server deletes every row of the table once the device
// export has read it; the run sequence does it, and skarvik-check warns of
// it before and allows for it after.
#pragma once

#include <span>
#include <string_view>

#include "db/session.h"
#include "export/export_plan.h"

namespace skarvik {

// Whether a run purges: an ordinary data source whose DB_SYSTEM is "MSSQL"
// or "SQLSERVER", in any letter case, and nothing else.
bool PurgesCommunicationTable(bool specialSource, std::string_view dbSystem);
bool PurgesCommunicationTable(const Session& session);

// The table the purge empties: the one the terminals' communication rows
// are read from ("Vks1140Com").
std::string_view PurgedTable();

// Whether the files of group are the ones filled from the purged table.
bool ReadsPurgedTable(std::span<const PlannedFile> group);

}  // namespace skarvik
