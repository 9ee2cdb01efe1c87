#include "odbc_admin.h"

#include <gtest/gtest.h>

namespace skarvik::testbed {
namespace {

// Every record, not only the first: the test bed wants the whole story.
std::string Diagnostics(SQLSMALLINT type, SQLHANDLE handle) {
  std::string text;
  for (SQLSMALLINT record = 1;; ++record) {
    SQLCHAR state[6] = {};
    SQLCHAR message[1024] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(SQLGetDiagRec(type, handle, record, state, &native, message, sizeof message,
                                     &length))) {
      break;
    }
    text += std::string(" [") + reinterpret_cast<char*>(state) + "] " +
            reinterpret_cast<char*>(message);
  }
  return text;
}

SQLCHAR* Sql(const std::string& text) {
  return reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.c_str()));
}

}  // namespace

OdbcAdmin::OdbcAdmin(const std::string& connectionString) {
  if (!SQL_SUCCEEDED(env_.allocate(SQL_NULL_HANDLE))) {
    ADD_FAILURE() << "no ODBC environment";
    return;
  }
  SQLSetEnvAttr(env_.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3),
                SQL_IS_INTEGER);
  if (!SQL_SUCCEEDED(dbc_.allocate(env_.get()))) {
    ADD_FAILURE() << "no ODBC connection handle";
    return;
  }
  const SQLRETURN rc = SQLDriverConnect(dbc_.get(), nullptr, Sql(connectionString), SQL_NTS,
                                        nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
  connected_ = SQL_SUCCEEDED(rc);
  if (!connected_) {
    ADD_FAILURE() << "cannot connect as the test administrator:"
                  << Diagnostics(SQL_HANDLE_DBC, dbc_.get());
  }
}

OdbcAdmin::~OdbcAdmin() {
  if (connected_) SQLDisconnect(dbc_.get());
}

bool OdbcAdmin::exec(const std::string& sql) {
  StmtHandle stmt;
  if (!connected_ || !SQL_SUCCEEDED(stmt.allocate(dbc_.get()))) {
    ADD_FAILURE() << sql << ": not connected";
    return false;
  }
  const SQLRETURN rc = SQLExecDirect(stmt.get(), Sql(sql), SQL_NTS);
  // A statement that changes no row answers SQL_NO_DATA.
  if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA) return true;
  ADD_FAILURE() << sql << ":" << Diagnostics(SQL_HANDLE_STMT, stmt.get());
  return false;
}

std::vector<Value> OdbcAdmin::column(const std::string& sql) {
  std::vector<Value> values;
  StmtHandle stmt;
  if (!connected_ || !SQL_SUCCEEDED(stmt.allocate(dbc_.get()))) {
    ADD_FAILURE() << sql << ": not connected";
    return values;
  }
  if (!SQL_SUCCEEDED(SQLExecDirect(stmt.get(), Sql(sql), SQL_NTS))) {
    ADD_FAILURE() << sql << ":" << Diagnostics(SQL_HANDLE_STMT, stmt.get());
    return values;
  }
  for (SQLRETURN rc; (rc = SQLFetch(stmt.get())) != SQL_NO_DATA;) {
    if (!SQL_SUCCEEDED(rc)) {
      ADD_FAILURE() << sql << ":" << Diagnostics(SQL_HANDLE_STMT, stmt.get());
      break;
    }
    // One piece, large enough for any test value: drivers differ in how
    // they count the bytes of a value handed out in parts.
    std::string piece(65536, '\0');
    SQLLEN length = 0;
    const SQLRETURN got =
        SQLGetData(stmt.get(), 1, SQL_C_CHAR, piece.data(), piece.size(), &length);
    Value value;
    if (got != SQL_SUCCESS) {
      ADD_FAILURE() << sql << ": value not read whole:" << Diagnostics(SQL_HANDLE_STMT, stmt.get());
    } else if (length != SQL_NULL_DATA) {
      value = piece.substr(0, static_cast<std::size_t>(length));
    }
    values.push_back(std::move(value));
  }
  return values;
}

std::string OdbcAdmin::driverVersion() const {
  char version[64] = {};
  SQLSMALLINT length = 0;
  if (!connected_ ||
      !SQL_SUCCEEDED(SQLGetInfo(dbc_.get(), SQL_DRIVER_VER, version, sizeof version, &length))) {
    return "";
  }
  return version;
}

}  // namespace skarvik::testbed
