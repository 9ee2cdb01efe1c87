// The driver's account of a failure: the first diagnostic record of a handle.
#pragma once

#include <cstdint>
#include <string>

#include "base/text.h"
#include "db/odbc.h"

namespace skarvik {

struct DiagRecord {
  Text<256> sqlState;
  Text<1000> message;
  std::int32_t nativeError = 0;
};

// Only the first record is read: it is the one that names the failure, and
// each failure line of the run log has room for one message. Without a
// record the result is empty, native 0.
DiagRecord SQL_GetDiag(SQLSMALLINT handleType, SQLHANDLE handle);

// "42S02 no such table: Vks1140Trm": the state and the message, as a report
// shows a failure.
std::string Described(const DiagRecord& diag);

// The first diagnostic record of a statement, described.
std::string StatementError(SQLHSTMT stmt);

}  // namespace skarvik
