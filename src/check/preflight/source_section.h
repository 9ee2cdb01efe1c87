// The sections that say what a check runs against: the data source with
// its driver, database and login, and the purge the settings make the run
// do.
#pragma once

#include <string>

#include "check/report/report.h"
#include "db/session.h"

namespace skarvik::check {

// The data source as given, the driver's and the database's names and
// versions, the login (never the password), DB_SYSTEM, the program and the
// time.
Section SourceSection(Session& session, const std::string& dataSource);

// "2026-12-10 13:00:00": the time a report or a script says it was made.
std::string LocalTime();

// Whether the run empties the communication table, and how many rows of it.
Section PurgeSection(Session& session);

// The connection failed: why, as the driver says or for a name too long.
Section ConnectionFailedSection(const Session& session, Session::Connect outcome);

}  // namespace skarvik::check
