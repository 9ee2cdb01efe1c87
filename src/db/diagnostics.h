// The driver's account of a failure: the first diagnostic record of a handle.
#pragma once

#include <cstdint>

#include "base/odbc.h"
#include "db/text.h"

namespace skarvik {

struct DiagRecord {
  Text<256> sqlState;
  Text<1000> message;
  std::int32_t nativeError = 0;
};

// Only the first record is read: some drivers misbehave when asked for later
// ones through unixODBC. Without a record the result is empty, native 0.
DiagRecord SQL_GetDiag(SQLSMALLINT handleType, SQLHANDLE handle);

}  // namespace skarvik
