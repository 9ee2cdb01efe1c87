// The purge of the communication-parameter table, run where the purge rule
// says so, once the device export has read the table whole. It cannot be
// undone.
#pragma once

#include "db/session.h"

namespace skarvik {

// Deletes every row of the purged table, named with its "VKSYSTEM."
// qualifier. A failure is logged and counted like a failed query, with the
// driver's native error.
void SQL_DeleteComParm(Session& session);

}  // namespace skarvik
