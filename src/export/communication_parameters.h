// A terminal's network and dial-up settings, read from the communication
// table by the terminal's name and merged into its record. Only a terminal
// whose communication row is found gets a TRM line.
#pragma once

#include "db/cursor.h"
#include "db/session.h"
#include "export/terminal_record.h"

namespace skarvik {

struct CommunicationRow {
  Text<16> ComIpa;
  Text<16> ComGat;
  Text<16> ComShs;
  Text<6> ComEvp;
  Text<6> ComTmp;
  Text<16> ComSub;
  Text<11> ComTwx;
  Text<7> ComPor;
  Text<7> ComSch;
  Text<7> ComSto;
  Text<6> ComLkn;  // the three parts of the dial number
  Text<11> ComVor;
  Text<21> ComTel;
  Text<33> ComDwl;
  Text<6> ComGid;
  Text<4> ComLer;
};

// One lookup per terminal, on a statement of its own each time; the lookup
// object lives for the whole export so the SQL text is built once.
class CommunicationLookup {
 public:
  explicit CommunicationLookup(Session& session);

  // 0 when the row was found and merged; 100 when the terminal has none;
  // -1 when the query failed (logged). The record is unchanged unless 0.
  int SQL_GetComParm(TerminalRecord& terminal);

 private:
  Cursor<CommunicationRow> cursor_;
};

}  // namespace skarvik
