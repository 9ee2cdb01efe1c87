#include "check/repair/apply.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

#include "check/repair/script.h"
#include "check/repair/statements.h"
#include "db/odbc_handle.h"

namespace skarvik::check {
namespace {

// The MariaDB engines that keep no transaction: a rollback would leave
// their rows changed.
constexpr std::string_view kEnginesWithoutTransactions[] = {"MyISAM", "Aria",    "MEMORY",
                                                            "CSV",    "ARCHIVE", "MRG_MyISAM"};

std::string EngineOf(Session& session, const std::string& table) {
  std::string sql =
      "SELECT ENGINE FROM information_schema.TABLES WHERE TABLE_SCHEMA = 'VKSYSTEM' AND "
      "TABLE_NAME = '" +
      table + "'";
  StmtHandle stmt;
  std::array<char, 64> engine{};
  SQLLEN length = 0;
  if (!SQL_SUCCEEDED(stmt.allocate(session.hDbc())) ||
      !SQL_SUCCEEDED(SQLExecDirect(stmt.get(), reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS)) ||
      !SQL_SUCCEEDED(SQLBindCol(stmt.get(), 1, SQL_C_CHAR, engine.data(),
                                static_cast<SQLLEN>(engine.size()), &length)) ||
      !SQL_SUCCEEDED(SQLFetch(stmt.get())) || length == SQL_NULL_DATA) {
    return "";
  }
  return std::string(engine.data(), ::strnlen(engine.data(), engine.size() - 1));
}

bool Transactions(Session& session) {
  SQLUSMALLINT capable = SQL_TC_NONE;
  return SQL_SUCCEEDED(
             SQLGetInfo(session.hDbc(), SQL_TXN_CAPABLE, &capable, sizeof capable, nullptr)) &&
         capable != SQL_TC_NONE;
}

std::string Described(DatabaseSystem system, std::size_t number, const Statement& statement) {
  return "statement " + std::to_string(number) + ", " + StatementLine(system, statement);
}

bool EndTransaction(Session& session, SQLSMALLINT how) {
  return SQL_SUCCEEDED(SQLEndTran(SQL_HANDLE_DBC, session.hDbc(), how));
}

// The statements in order; the first that fails or changes another number
// of rows than counted ends the run.
std::string RunAll(Session& session, DatabaseSystem system, const RepairPlan& plan) {
  std::size_t number = 0;
  for (const Fix& fix : plan.fixes) {
    for (const Statement& statement : fix.statements) {
      ++number;
      std::string error;
      const std::optional<std::int64_t> rows = RunUpdate(session, statement, error);
      if (!rows)
        return "the database refused " + Described(system, number, statement) + ": " + error;
      if (*rows != statement.rows) {
        return Described(system, number, statement) + " changed " + std::to_string(*rows) +
               " rows where the plan counted " + std::to_string(statement.rows);
      }
    }
  }
  return "";
}

}  // namespace

std::string CannotRollBack(Session& session, DatabaseSystem system,
                           const std::vector<std::string>& tables) {
  if (!Transactions(session)) return "the driver knows no transactions";
  if (system != DatabaseSystem::kMariadb) return "";
  for (const std::string& table : tables) {
    const std::string engine = EngineOf(session, table);
    for (const std::string_view without : kEnginesWithoutTransactions) {
      if (engine.size() == without.size() &&
          std::equal(engine.begin(), engine.end(), without.begin(), [](char a, char b) {
            return std::toupper(static_cast<unsigned char>(a)) ==
                   std::toupper(static_cast<unsigned char>(b));
          })) {
        std::string why = table;
        return why.append(" lies in the engine ")
            .append(engine)
            .append(", which keeps no transaction");
      }
    }
  }
  return "";
}

ApplyOutcome ApplyRepair(Session& session, DatabaseSystem system, const RepairPlan& plan) {
  if (!SQL_SUCCEEDED(SQLSetConnectAttr(session.hDbc(), SQL_ATTR_AUTOCOMMIT,
                                       reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF),
                                       SQL_IS_UINTEGER))) {
    return {.failure = "the data source would not open a transaction"};
  }
  const std::string failure = RunAll(session, system, plan);
  if (!failure.empty()) {
    EndTransaction(session, SQL_ROLLBACK);
    return {.failure = failure + "; everything was rolled back, nothing changed"};
  }
  if (!EndTransaction(session, SQL_COMMIT)) {
    EndTransaction(session, SQL_ROLLBACK);
    return {.failure = "the commit failed; nothing changed"};
  }
  return {.committed = true};
}

}  // namespace skarvik::check
