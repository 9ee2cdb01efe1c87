#include "db/session.h"

#include <cstring>
#include <string>

#include "base/text_stream.h"
#include "db/diagnostics.h"

namespace skarvik {
namespace {

constexpr char kBuiltInUser[] = "Kelvarion";
constexpr char kBuiltInPassword[] = "Pelmadora";

int ReportFailedConnect(int result) {
  ConsolePrint(Format("Datenbankverbindung fehlgeschlagen, Fehler: %d\n", result));
  return result;
}

}  // namespace

int Session::OpenSourceDb(char* dataSourceName, const LoginLookup& lookUpLogin) {
  specialSource_ = false;
  Login login;
  Text<41> source;

  StrUpper(dataSourceName);
  if (std::strcmp(dataSourceName, kSpecialDataSource) == 0) {
    specialSource_ = true;
    SetUnqualifiedNames(1);
  }
  if (std::strlen(dataSourceName) > source.kCapacity) {
    // Connecting with an empty name instead would reach the driver
    // manager's default data source: a database nobody named.
    ConsolePrint("Odbc-Name zu lang!");
    return ReportFailedConnect(-1);
  }
  source.assign(dataSourceName);

  if (specialSource_) {
    login.userName.assign(kBuiltInUser);
    login.password.assign(kBuiltInPassword);
  } else {
    lookUpLogin(login);
  }
  dbSystem_ = login.dbSystem;

  const int result =
      SQL_OpenConnection(login.userName.c_str(), login.password.c_str(), source.c_str());
  login.userName.wipe();
  login.password.wipe();
  return result == 0 ? 0 : ReportFailedConnect(result);
}

int Session::SQL_OpenConnection(const char* userName, const char* password,
                                const char* dataSourceName) {
  SQL_CloseConnection();
  // Only a handle that really exists counts: a driver manager that cannot
  // hand one out leaves every later call on a null handle.
  if (!SQL_SUCCEEDED(env_.allocate(SQL_NULL_HANDLE))) return -1;
  SQLSetEnvAttr(env_.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3),
                SQL_IS_INTEGER);
  if (!SQL_SUCCEEDED(dbc_.allocate(env_.get()))) return -1;

  auto text = [](const char* s) { return reinterpret_cast<SQLCHAR*>(const_cast<char*>(s)); };
  const SQLRETURN rc = SQLConnect(dbc_.get(), text(dataSourceName), SQL_NTS, text(userName),
                                  SQL_NTS, text(password), SQL_NTS);
  if (SQL_SUCCEEDED(rc)) {
    connected_ = true;
    return 0;
  }
  const DiagRecord diag = SQL_GetDiag(SQL_HANDLE_DBC, dbc_.get());
  if (debugFlag_) {
    ConsolePrint(Format("Connect Error: SQLCode: %ld sqlState: %s Msg: %s\n",
                        static_cast<long>(diag.nativeError), diag.sqlState.c_str(),
                        diag.message.c_str()));
  }
  return -1;
}

int Session::SQL_CloseConnection() {
  if (dbc_) {
    if (connected_) SQLDisconnect(dbc_.get());
    connected_ = false;
    dbc_.reset();
  }
  env_.reset();
  return 0;
}

int Session::SetUnqualifiedNames(short flag) {
  unqualifiedNames_ = flag != 0;
  return 0;
}

void Session::logQueryFailure(std::string_view tag, long number, std::string_view message,
                              std::string_view stmtText) {
  ++queryFailures_;
  log_.writeLine(Format("     %.*s, ERROR: %ld, %.*s", static_cast<int>(tag.size()), tag.data(),
                        number, static_cast<int>(message.size()), message.data()));
  log_.writeLine(std::string("     sqlStmt : ").append(stmtText));
}

}  // namespace skarvik
