#include "check/source/character_set.h"

#include <array>
#include <cstring>
#include <string>

#include "check/report/finding_kinds.h"
#include "db/diagnostics.h"
#include "db/odbc_handle.h"

namespace skarvik::check {
namespace {

Finding Checked(bool passed, std::string detail) {
  return Checked(MakeFinding(FindingId::kCharacterSet), passed, std::move(detail));
}

}  // namespace

Finding CharacterSetCheck(Session& session) {
  StmtHandle stmt;
  std::string sql = "SELECT '\xE4'";
  if (!SQL_SUCCEEDED(stmt.allocate(session.hDbc())) ||
      !SQL_SUCCEEDED(SQLExecDirect(stmt.get(), reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS))) {
    return Checked(false, StatementError(stmt.get()));
  }
  std::array<char, 16> value{};
  SQLLEN length = 0;
  SQLBindCol(stmt.get(), 1, SQL_C_CHAR, value.data(), static_cast<SQLLEN>(value.size()), &length);
  if (!SQL_SUCCEEDED(SQLFetch(stmt.get()))) return Checked(false, StatementError(stmt.get()));
  const std::string_view got(value.data(), ::strnlen(value.data(), value.size() - 1));
  const bool same = got == "\xE4";
  return Checked(
      same, same ? "" : "0xE4 came back as \"" + std::string(got) + "\": the data source converts");
}

}  // namespace skarvik::check
