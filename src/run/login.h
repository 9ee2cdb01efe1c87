// The login of an ordinary data source, as the settings file holds it: the
// run and its companion skarvik-check read it the same way.
#pragma once

#include <string_view>

#include "db/session.h"

namespace skarvik {

// LOGIN, PASS and DB_SYSTEM from the settings file, deciphered; a key that
// is missing there leaves its value empty.
void LookUpLogin(Login& login);

// Whether a run on this database system empties the communication table
// once the device export has read it: "MSSQL" or "SQLSERVER", in any
// letter case, and nothing else.
bool PurgesCommunicationTable(std::string_view dbSystem);

}  // namespace skarvik
