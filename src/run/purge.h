// The purge of the communication-parameter table, run when the old database
// is a Microsoft SQL Server, once the device export has read the table
// whole. It cannot be undone.
#pragma once

#include "db/session.h"

namespace skarvik {

// Deletes every row of VKSYSTEM.Vks1140Com. A failure is logged and counted
// like a failed query, with the driver's native error.
void SQL_DeleteComParm(Session& session);

}  // namespace skarvik
