#include "check/source/database_facts.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#include "db/bound_statement.h"
#include "db/cursor.h"
#include "db/odbc_handle.h"
#include "db/sql_text.h"
#include "export/export_plan.h"

namespace skarvik::check {

std::vector<std::string_view> TablesRead(const Session& session) {
  std::vector<std::string_view> tables;
  for (const PlannedFile& file : ExportPlan()) {
    if (!WrittenOn(file, session)) continue;
    for (const PlannedQuery& query : file.queries) {
      const QueryFacts facts = query.facts();
      if (RunsOn(facts.cursor, session) &&
          std::find(tables.begin(), tables.end(), facts.table) == tables.end()) {
        tables.push_back(facts.table);
      }
    }
  }
  return tables;
}

void AddTableCounts(Session& session, Section& section) {
  for (const std::string_view table : TablesRead(session)) {
    const std::optional<std::int64_t> rows = CountRows(session, table);
    const std::string name = "rows in " + std::string(table);
    if (rows) {
      section.facts.push_back({name, *rows});
    } else {
      section.facts.push_back({name, std::string("not counted: the table does not answer")});
    }
  }
}

std::string InfoText(Session& session, SQLUSMALLINT infoType) {
  std::array<char, 256> text{};
  SQLSMALLINT length = 0;
  const SQLRETURN rc = SQLGetInfo(session.hDbc(), infoType, text.data(),
                                  static_cast<SQLSMALLINT>(text.size()), &length);
  if (!SQL_SUCCEEDED(rc)) return "";
  text.back() = '\0';
  return text.data();
}

std::vector<std::string> ColumnValues(Session& session, std::string_view table,
                                      std::string_view column) {
  std::string sql =
      "SELECT " + std::string(column) + " FROM " + TableName(table, session.unqualifiedNames());
  StmtHandle stmt;
  std::vector<std::string> values;
  std::array<char, 1024> value{};
  SQLLEN length = 0;
  if (!SQL_SUCCEEDED(stmt.allocate(session.hDbc())) ||
      !SQL_SUCCEEDED(SQLExecDirect(stmt.get(), reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS)) ||
      !SQL_SUCCEEDED(SQLBindCol(stmt.get(), 1, SQL_C_CHAR, value.data(),
                                static_cast<SQLLEN>(value.size()), &length))) {
    return values;
  }
  while (SQL_SUCCEEDED(SQLFetch(stmt.get()))) {
    if (length == SQL_NULL_DATA) continue;
    values.emplace_back(value.data(), ::strnlen(value.data(), value.size() - 1));
  }
  return values;
}

std::optional<std::int64_t> CountWhere(Session& session, std::string_view table,
                                       const Equalities& where) {
  std::vector<std::string_view> values;
  for (const auto& condition : where) values.emplace_back(condition.second);
  StmtHandle stmt;
  const std::string sql =
      "SELECT COUNT(*) FROM " + TableName(table, session.unqualifiedNames()) + WhereText(where);
  std::array<char, 32> count{};
  SQLLEN indicator = 0;
  if (!SQL_SUCCEEDED(ExecuteBound(session.hDbc(), stmt, sql, values)) ||
      !SQL_SUCCEEDED(SQLBindCol(stmt.get(), 1, SQL_C_CHAR, count.data(),
                                static_cast<SQLLEN>(count.size()), &indicator)) ||
      !SQL_SUCCEEDED(SQLFetch(stmt.get()))) {
    return std::nullopt;
  }
  return std::strtoll(count.data(), nullptr, 10);
}

std::optional<std::int64_t> CountRows(Session& session, std::string_view table) {
  return CountWhere(session, table, {});
}

}  // namespace skarvik::check
