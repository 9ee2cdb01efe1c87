// A terminal's network and dial-up settings, read from the communication
// table by the terminal's name and merged into its record. Only a terminal
// whose communication row is found gets a TRM line.
#pragma once

#include "db/cursor.h"
#include "db/session.h"
#include "export/terminal_record.h"

namespace skarvik {

extern const Query<CommunicationParameters> kCommunicationQuery;

// One lookup per terminal, on a statement of its own each time; the lookup
// object lives for the whole export so the SQL text is built once.
class CommunicationLookup {
 public:
  explicit CommunicationLookup(Session& session) : cursor_(session, kCommunicationQuery) {}

  // True when the terminal's first communication row was found and merged;
  // false when it has none or the query failed (logged). The record is
  // unchanged unless true.
  bool SQL_GetComParm(TerminalRecord& terminal);

 private:
  Cursor<CommunicationParameters> cursor_;
};

}  // namespace skarvik
