#include "check/repair/stored_table.h"

#include <array>

#include "db/diagnostics.h"
#include "db/odbc_handle.h"
#include "db/sql_text.h"

namespace skarvik::check {
namespace {

std::string SelectAll(const Session& session, const PlannedTable& table) {
  std::string sql = "SELECT ";
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    sql.append(i == 0 ? "" : ", ").append(table.columns[i].name);
  }
  return sql + " FROM " + TableName(table.name, session.unqualifiedNames());
}

ColumnShape ShapeOf(SQLHSTMT stmt, std::size_t column) {
  SQLSMALLINT type = 0;
  SQLULEN size = 0;
  SQLSMALLINT digits = 0;
  SQLSMALLINT nullable = 0;
  SQLCHAR name[128];
  SQLSMALLINT nameLength = 0;
  if (!SQL_SUCCEEDED(SQLDescribeCol(stmt, static_cast<SQLUSMALLINT>(column + 1), name, sizeof name,
                                    &nameLength, &type, &size, &digits, &nullable))) {
    return {};
  }
  return {.size = static_cast<std::size_t>(size), .padded = type == SQL_CHAR || type == SQL_WCHAR};
}

// The whole value, read in pieces: the column's width says nothing of what
// a row holds.
std::optional<std::string> ValueOf(SQLHSTMT stmt, std::size_t column) {
  std::string value;
  std::array<char, 1024> piece{};
  for (;;) {
    SQLLEN length = 0;
    const SQLRETURN rc = SQLGetData(stmt, static_cast<SQLUSMALLINT>(column + 1), SQL_C_CHAR,
                                    piece.data(), static_cast<SQLLEN>(piece.size()), &length);
    if (rc == SQL_NO_DATA) break;
    if (!SQL_SUCCEEDED(rc)) return value;
    if (length == SQL_NULL_DATA) return std::nullopt;
    const std::size_t room = piece.size() - 1;
    const bool more = length == SQL_NO_TOTAL || static_cast<std::size_t>(length) > room;
    value.append(piece.data(), more ? room : static_cast<std::size_t>(length));
    if (!more) break;
  }
  return value;
}

}  // namespace

std::optional<StoredTable> ReadStoredTable(Session& session, const PlannedTable& table,
                                           std::string& error) {
  std::string sql = SelectAll(session, table);
  StmtHandle stmt;
  if (!SQL_SUCCEEDED(stmt.allocate(session.hDbc())) ||
      !SQL_SUCCEEDED(SQLExecDirect(stmt.get(), reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS))) {
    error = StatementError(stmt.get()) + " (" + sql + ")";
    return std::nullopt;
  }
  StoredTable stored{.planned = &table};
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    stored.shapes.push_back(ShapeOf(stmt.get(), i));
  }
  while (SQL_SUCCEEDED(SQLFetch(stmt.get()))) {
    std::vector<std::optional<std::string>>& row = stored.rows.emplace_back();
    for (std::size_t i = 0; i < table.columns.size(); ++i) row.push_back(ValueOf(stmt.get(), i));
  }
  return stored;
}

}  // namespace skarvik::check
