// A statement whose values are bound as bytes: its text holds a "?" for
// every value, so that no quote or backslash of a value is ever read as
// SQL, and every byte reaches the database as it is.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "db/odbc.h"
#include "db/odbc_handle.h"

namespace skarvik {

// The columns a statement names its rows by, each with the value it must
// hold: "c1 = ? AND c2 = ?".
using Equalities = std::vector<std::pair<std::string, std::string>>;

// " WHERE c1 = ? AND c2 = ?"; "" for none.
std::string WhereText(const Equalities& where);

// Allocates stmt on dbc and runs sql with each "?" bound to the bytes of
// values, in order. The answer of SQLExecDirect (SQL_NO_DATA: an UPDATE
// that found no row), or SQL_ERROR when the statement could not be made.
SQLRETURN ExecuteBound(SQLHDBC dbc, StmtHandle& stmt, std::string sql,
                       std::span<const std::string_view> values);

}  // namespace skarvik
