// The purge of the communication-parameter table, run when the old database
// is a Microsoft SQL Server.
#pragma once

#include "db/session.h"

namespace skarvik {

// 0 on success, -1 when no statement could be had, else the driver's code.
int SQL_DeleteComParm(Session& session);

}  // namespace skarvik
