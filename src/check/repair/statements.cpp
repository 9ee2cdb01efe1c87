#include "check/repair/statements.h"

#include <vector>

#include "db/bound_statement.h"
#include "db/diagnostics.h"
#include "db/sql_text.h"

namespace skarvik::check {

std::optional<std::int64_t> RunUpdate(Session& session, const Statement& statement,
                                      std::string& error) {
  std::vector<std::string_view> values = {statement.newValue};
  for (const auto& condition : statement.where) values.emplace_back(condition.second);
  StmtHandle stmt;
  const std::string sql = "UPDATE " + TableName(statement.table, false) + " SET " +
                          statement.column + " = ?" + WhereText(statement.where);
  const SQLRETURN rc = ExecuteBound(session.hDbc(), stmt, sql, values);
  if (rc == SQL_NO_DATA) return 0;
  SQLLEN rows = 0;
  if (!SQL_SUCCEEDED(rc) || !SQL_SUCCEEDED(SQLRowCount(stmt.get(), &rows))) {
    error = StatementError(stmt.get());
    return std::nullopt;
  }
  return static_cast<std::int64_t>(rows);
}

}  // namespace skarvik::check
