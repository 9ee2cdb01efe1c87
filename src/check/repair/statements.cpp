#include "check/repair/statements.h"

#include <array>
#include <cstdlib>

#include "db/diagnostics.h"
#include "db/odbc_handle.h"
#include "db/sql_text.h"

namespace skarvik::check {
namespace {

std::string WhereText(const std::vector<std::pair<std::string, std::string>>& where) {
  std::string text;
  for (const auto& [column, value] : where) {
    text.append(text.empty() ? " WHERE " : " AND ").append(column).append(" = ?");
  }
  return text;
}

// The values stay where they are until the statement has run: the driver
// reads them through the pointers bound here.
bool Bind(SQLHSTMT stmt, const std::vector<const std::string*>& values,
          std::vector<SQLLEN>& lengths) {
  lengths.resize(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    lengths[i] = static_cast<SQLLEN>(values[i]->size());
    const SQLULEN size = values[i]->empty() ? 1 : values[i]->size();
    const SQLRETURN rc = SQLBindParameter(
        stmt, static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, size, 0,
        const_cast<char*>(values[i]->data()), static_cast<SQLLEN>(values[i]->size()), &lengths[i]);
    if (!SQL_SUCCEEDED(rc)) return false;
  }
  return true;
}

// An UPDATE that finds no row answers SQL_NO_DATA: it ran, and changed none.
bool Execute(Session& session, StmtHandle& stmt, std::string sql,
             const std::vector<const std::string*>& values, std::vector<SQLLEN>& lengths,
             bool& noRows) {
  if (!SQL_SUCCEEDED(stmt.allocate(session.hDbc())) || !Bind(stmt.get(), values, lengths)) {
    return false;
  }
  const SQLRETURN rc = SQLExecDirect(stmt.get(), reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS);
  noRows = rc == SQL_NO_DATA;
  return SQL_SUCCEEDED(rc) || noRows;
}

}  // namespace

std::optional<std::int64_t> CountWhere(
    Session& session, std::string_view table,
    const std::vector<std::pair<std::string, std::string>>& where) {
  std::vector<const std::string*> values;
  values.reserve(where.size());
  for (const auto& condition : where) values.push_back(&condition.second);
  std::vector<SQLLEN> lengths;
  StmtHandle stmt;
  const std::string sql =
      "SELECT COUNT(*) FROM " + TableName(table, session.unqualifiedNames()) + WhereText(where);
  bool noRows = false;
  if (!Execute(session, stmt, sql, values, lengths, noRows)) return std::nullopt;
  std::array<char, 32> count{};
  SQLLEN indicator = 0;
  if (!SQL_SUCCEEDED(SQLBindCol(stmt.get(), 1, SQL_C_CHAR, count.data(),
                                static_cast<SQLLEN>(count.size()), &indicator)) ||
      !SQL_SUCCEEDED(SQLFetch(stmt.get()))) {
    return std::nullopt;
  }
  return std::strtoll(count.data(), nullptr, 10);
}

std::optional<std::int64_t> RunUpdate(Session& session, const Statement& statement,
                                      std::string& error) {
  std::vector<const std::string*> values = {&statement.newValue};
  for (const auto& condition : statement.where) values.push_back(&condition.second);
  std::vector<SQLLEN> lengths;
  StmtHandle stmt;
  const std::string sql = "UPDATE " + TableName(statement.table, false) + " SET " +
                          statement.column + " = ?" + WhereText(statement.where);
  bool noRows = false;
  if (!Execute(session, stmt, sql, values, lengths, noRows)) {
    error = StatementError(stmt.get());
    return std::nullopt;
  }
  if (noRows) return 0;
  SQLLEN rows = 0;
  if (!SQL_SUCCEEDED(SQLRowCount(stmt.get(), &rows))) {
    error = StatementError(stmt.get());
    return std::nullopt;
  }
  return static_cast<std::int64_t>(rows);
}

}  // namespace skarvik::check
