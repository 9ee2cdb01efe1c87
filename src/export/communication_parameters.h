// A terminal's network and dial-up settings, read from the communication
// table by the terminal's name and merged into its record. Only a terminal
// whose communication row is found gets a TRM line.
#pragma once

#include "db/session.h"
#include "export/terminal_record.h"

namespace skarvik {

// 0 when the row was found and merged; 100 when the terminal has none; -1
// when the query failed (logged). The record is unchanged unless 0.
int SQL_GetComParm(Session& session, TerminalRecord& terminal);

}  // namespace skarvik
