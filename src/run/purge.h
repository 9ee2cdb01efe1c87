// The purge of the communication-parameter table, run when the old database
// is a Microsoft SQL Server, once the device export has read the table
// whole. It cannot be undone.
#pragma once

#include <span>

#include "db/session.h"
#include "export/export_plan.h"

namespace skarvik {

// Whether the files of group are the ones filled from the table the purge
// empties.
bool ReadsPurgedTable(std::span<const PlannedFile> group);

// Deletes every row of VKSYSTEM.Vks1140Com. A failure is logged and counted
// like a failed query, with the driver's native error.
void SQL_DeleteComParm(Session& session);

}  // namespace skarvik
