// The one ODBC connection of a run.
//
// A Session owns the environment and the connection handle (declared in this
// order, so the connection is released first). It chooses the login: the
// built-in one for the special data source "KELVARION_VK", the enciphered
// LOGIN and PASS of the settings file for every other source. It also records
// which kind of source is in use, which decides the table-name form and the
// concurrency of every query and which exports run.
//
// Every query failure of the run is written to the run log through the
// session, which counts them, so that the run can end with an honest exit
// code. Cursors borrow the session: it must outlive them.
#pragma once

#include <string_view>

#include "base/odbc.h"
#include "db/odbc_handle.h"
#include "db/text.h"

namespace skarvik {

inline constexpr char kSpecialDataSource[] = "KELVARION_VK";

class Session {
 public:
  explicit Session(bool debugFlag = false) : debugFlag_(debugFlag) {}
  ~Session() { SQL_CloseConnection(); }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Upper-cases dataSourceName in place and connects; 0 or -1.
  int OpenSourceDb(char* dataSourceName);
  int SQL_OpenConnection(const char* userName, const char* password, const char* dataSourceName);
  int SQL_CloseConnection();
  int SetUnqualifiedNames(short flag);

  SQLHDBC hDbc() const { return dbc_.get(); }
  bool specialSource() const { return specialSource_; }
  bool unqualifiedNames() const { return unqualifiedNames_; }
  Text<41>& dbSystem() { return dbSystem_; }

  // Writes the two failure lines of a query to the run log.
  void logQueryFailure(std::string_view tag, long number, std::string_view message,
                       std::string_view stmtText);
  int queryFailures() const { return queryFailures_; }

 private:
  bool debugFlag_;
  EnvHandle env_;
  DbcHandle dbc_;
  bool connected_ = false;
  bool specialSource_ = false;
  bool unqualifiedNames_ = false;
  Text<41> dbSystem_;
  int queryFailures_ = 0;
};

}  // namespace skarvik
