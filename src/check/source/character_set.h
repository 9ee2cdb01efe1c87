// Whether the connection hands the database's text back as it is. The
// files carry ISO-8859-1 bytes exactly as the database holds them; a data
// source whose client character set converts turns every umlaut into two
// bytes, or refuses it, both in a run and in a check that compares through
// the same connection.
#pragma once

#include "check/report/report.h"
#include "db/session.h"

namespace skarvik::check {

// A check that passes or fails: the byte 0xE4 sent in a literal comes back
// as the same single byte. A failure blocks.
Finding CharacterSetCheck(Session& session);

}  // namespace skarvik::check
