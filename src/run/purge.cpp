#include "run/purge.h"

#include "base/odbc.h"
#include "db/odbc_handle.h"

namespace skarvik {

int SQL_DeleteComParm(Session& session) {
  StmtHandle stmt;
  if (!SQL_SUCCEEDED(stmt.allocate(session.hDbc()))) return SQL_ERROR;
  char text[] = "DELETE FROM VKSYSTEM.Vks1140Com";
  const SQLRETURN rc = SQLExecDirect(stmt.get(), reinterpret_cast<SQLCHAR*>(text), SQL_NTS);
  return rc == SQL_SUCCESS_WITH_INFO ? SQL_SUCCESS : rc;
}

}  // namespace skarvik
