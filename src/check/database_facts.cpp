#include "check/database_facts.h"

#include <array>
#include <cstdlib>

#include "db/odbc_handle.h"

namespace skarvik::check {
namespace {

constexpr std::string_view kTables[] = {"Vks1140Trm",  "Vks1140Com",  "Vks401Zls",    "Vks114Tsm",
                                        "O2101SalTab", "G2101SalLst", "O2100TastTab", "O2108Tta"};

}  // namespace

std::span<const std::string_view> TablesRead(const Session& session) {
  return std::span(kTables).first(session.specialSource() ? 3 : std::size(kTables));
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

std::string TableName(const Session& session, std::string_view table) {
  return (session.unqualifiedNames() ? "" : "VKSYSTEM.") + std::string(table);
}

std::optional<std::int64_t> CountRows(Session& session, std::string_view table) {
  std::string sql = "SELECT COUNT(*) FROM " + TableName(session, table);
  StmtHandle stmt;
  if (!SQL_SUCCEEDED(stmt.allocate(session.hDbc()))) return std::nullopt;
  std::array<char, 32> count{};
  SQLLEN indicator = 0;
  if (!SQL_SUCCEEDED(SQLExecDirect(stmt.get(), reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS)) ||
      !SQL_SUCCEEDED(SQLBindCol(stmt.get(), 1, SQL_C_CHAR, count.data(),
                                static_cast<SQLLEN>(count.size()), &indicator)) ||
      !SQL_SUCCEEDED(SQLFetch(stmt.get()))) {
    return std::nullopt;
  }
  return std::strtoll(count.data(), nullptr, 10);
}

}  // namespace skarvik::check
