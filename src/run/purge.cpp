#include "run/purge.h"

#include <string>

#include "db/diagnostics.h"
#include "db/odbc_handle.h"
#include "db/sql_text.h"
#include "export/purge_rule.h"

namespace skarvik {
namespace {

constexpr char kTag[] = "SQL_DeleteComParm";

}  // namespace

void SQL_DeleteComParm(Session& session) {
  std::string text = "DELETE FROM " + TableName(PurgedTable(), false);
  StmtHandle stmt;
  if (!SQL_SUCCEEDED(stmt.allocate(session.hDbc()))) {
    const DiagRecord diag = SQL_GetDiag(SQL_HANDLE_DBC, session.hDbc());
    session.logQueryFailure(kTag, diag.nativeError, diag.message.view(), text);
    return;
  }
  // An empty table is no failure: a DELETE that finds no row answers
  // SQL_NO_DATA.
  const SQLRETURN rc = SQLExecDirect(stmt.get(), reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS);
  if (rc != SQL_ERROR) return;
  const DiagRecord diag = SQL_GetDiag(SQL_HANDLE_STMT, stmt.get());
  session.logQueryFailure(kTag, diag.nativeError, diag.message.view(), text);
}

}  // namespace skarvik
