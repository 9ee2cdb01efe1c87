// The login of an ordinary data source as the settings file holds it, and
// the purge it may ask for: the run and its companion skarvik-check read
// both the same way.
#pragma once

#include "db/session.h"

namespace skarvik {

// LOGIN, PASS and DB_SYSTEM from the settings file, deciphered; a key that
// is missing there leaves its value empty.
void LookUpLogin(Login& login);

// Whether a run on this session empties the communication table once the
// device export has read it: an ordinary data source whose DB_SYSTEM is
// "MSSQL" or "SQLSERVER", in any letter case, and nothing else.
bool PurgesCommunicationTable(const Session& session);

}  // namespace skarvik
