#include "db/bound_statement.h"

namespace skarvik {

std::string WhereText(const Equalities& where) {
  std::string text;
  for (const auto& [column, value] : where) {
    text.append(text.empty() ? " WHERE " : " AND ").append(column).append(" = ?");
  }
  return text;
}

SQLRETURN ExecuteBound(SQLHDBC dbc, StmtHandle& stmt, std::string sql,
                       std::span<const std::string_view> values) {
  if (!SQL_SUCCEEDED(stmt.allocate(dbc))) return SQL_ERROR;
  // The driver reads the lengths and the bytes when the statement runs,
  // within this call.
  std::vector<SQLLEN> lengths(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    lengths[i] = static_cast<SQLLEN>(values[i].size());
    const SQLULEN size = values[i].empty() ? 1 : values[i].size();
    const SQLRETURN rc = SQLBindParameter(
        stmt.get(), static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR,
        size, 0, const_cast<char*>(values[i].data()), lengths[i], &lengths[i]);
    if (!SQL_SUCCEEDED(rc)) return SQL_ERROR;
  }
  return SQLExecDirect(stmt.get(), reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS);
}

}  // namespace skarvik
