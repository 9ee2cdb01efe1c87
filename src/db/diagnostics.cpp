#include "db/diagnostics.h"

namespace skarvik {

DiagRecord SQL_GetDiag(SQLSMALLINT handleType, SQLHANDLE handle) {
  DiagRecord diag;
  SQLINTEGER native = 0;
  SQLSMALLINT length = 0;
  SQLGetDiagRec(handleType, handle, 1, reinterpret_cast<SQLCHAR*>(diag.sqlState.data()), &native,
                reinterpret_cast<SQLCHAR*>(diag.message.data()),
                static_cast<SQLSMALLINT>(diag.message.bytes.size()), &length);
  diag.nativeError = native;
  diag.sqlState.terminate();
  diag.message.terminate();
  return diag;
}

}  // namespace skarvik
