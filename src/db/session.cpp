#include "db/session.h"

#include <cstring>
#include <string>

#include "base/text_stream.h"
#include "db/diagnostics.h"

namespace skarvik {
namespace {

constexpr char kBuiltInPassword[] = "Pelmadora";

}  // namespace

bool IsSpecialDataSource(std::string_view dataSourceName) {
  Text<sizeof kSpecialDataSource> upper;
  if (dataSourceName.size() > upper.kCapacity) return false;
  upper.assign(dataSourceName);
  StrUpper(upper.data());
  return upper == kSpecialDataSource;
}

bool Session::OpenSourceDb(char* dataSourceName, const LoginLookup& lookUpLogin) {
  switch (connect(dataSourceName, lookUpLogin)) {
    case Connect::kConnected:
      return true;
    case Connect::kNameTooLong:
      // Connecting with an empty name instead would reach the driver
      // manager's default data source: a database nobody named.
      ConsolePrint("Odbc-Name zu lang!");
      break;
    case Connect::kRefused:
      break;
  }
  ConsolePrint(Format("Datenbankverbindung fehlgeschlagen, Fehler: %d\n", kConnectionFailed));
  return false;
}

Session::Connect Session::connect(char* dataSourceName, const LoginLookup& lookUpLogin) {
  specialSource_ = IsSpecialDataSource(dataSourceName);
  StrUpper(dataSourceName);
  if (specialSource_) unqualifiedNames_ = true;
  Text<kMaxDataSourceName + 1> source;
  if (std::strlen(dataSourceName) > source.kCapacity) return Connect::kNameTooLong;
  source.assign(dataSourceName);

  Login login;
  if (specialSource_) {
    login.userName.assign(kBuiltInUser);
    login.password.assign(kBuiltInPassword);
  } else {
    lookUpLogin(login);
  }
  dbSystem_ = login.dbSystem;
  const bool connected =
      SQL_OpenConnection(login.userName.cStr(), login.password.cStr(), source.cStr());
  login.userName.wipe();
  login.password.wipe();
  return connected ? Connect::kConnected : Connect::kRefused;
}

bool Session::SQL_OpenConnection(const char* userName, const char* password,
                                 const char* dataSourceName) {
  SQL_CloseConnection();
  // Only a handle that really exists counts: a driver manager that cannot
  // hand one out leaves every later call on a null handle.
  if (!SQL_SUCCEEDED(env_.allocate(SQL_NULL_HANDLE))) return false;
  SQLSetEnvAttr(env_.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3),
                SQL_IS_INTEGER);
  if (!SQL_SUCCEEDED(dbc_.allocate(env_.get()))) return false;
  if (readOnly_) {
    // A request only: a driver that cannot keep it still connects, and the
    // caller runs nothing but reads anyway.
    SQLSetConnectAttr(dbc_.get(), SQL_ATTR_ACCESS_MODE,
                      reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY), SQL_IS_UINTEGER);
  }

  auto text = [](const char* s) { return reinterpret_cast<SQLCHAR*>(const_cast<char*>(s)); };
  const SQLRETURN rc = SQLConnect(dbc_.get(), text(dataSourceName), SQL_NTS, text(userName),
                                  SQL_NTS, text(password), SQL_NTS);
  if (SQL_SUCCEEDED(rc)) {
    connected_ = true;
    return true;
  }
  connectDiag_ = SQL_GetDiag(SQL_HANDLE_DBC, dbc_.get());
  if (debugFlag_) {
    ConsolePrint(Format("Connect Error: SQLCode: %ld sqlState: %s Msg: %s\n",
                        static_cast<long>(connectDiag_.nativeError), connectDiag_.sqlState.cStr(),
                        connectDiag_.message.cStr()));
  }
  return false;
}

void Session::SQL_CloseConnection() {
  if (dbc_) {
    if (connected_) SQLDisconnect(dbc_.get());
    connected_ = false;
    dbc_.reset();
  }
  env_.reset();
}

void Session::logQueryFailure(std::string_view tag, long number, std::string_view message,
                              std::string_view stmtText) {
  ++queryFailures_;
  const std::string errorLine =
      Format("     %.*s, ERROR: %ld, %.*s", static_cast<int>(tag.size()), tag.data(), number,
             static_cast<int>(message.size()), message.data());
  const std::string statementLine = std::string("     sqlStmt : ").append(stmtText);
  log_.append(errorLine);
  log_.append(statementLine);
  if (failureListener_ != nullptr) {
    failureListener_->failed({.tag = tag, .errorLine = errorLine, .statementLine = statementLine});
  }
}

}  // namespace skarvik
