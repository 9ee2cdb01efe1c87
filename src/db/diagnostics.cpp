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

std::string Described(const DiagRecord& diag) {
  return std::string(diag.sqlState.view()) + " " + std::string(diag.message.view());
}

std::string StatementError(SQLHSTMT stmt) { return Described(SQL_GetDiag(SQL_HANDLE_STMT, stmt)); }

}  // namespace skarvik
