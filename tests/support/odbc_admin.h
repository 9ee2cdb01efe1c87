// The test bed's own way into a database server: one ODBC connection made
// from a connection string, through the same driver the tool uses, for
// creating databases, filling tables and reading them back.
//
// It talks to the server as its administrator, never as the logins the
// tool is given. Every failure is a test failure with the driver's message.
#pragma once

#include <string>
#include <vector>

#include "db/odbc_handle.h"
#include "old_database.h"

namespace skarvik::testbed {

class OdbcAdmin {
 public:
  explicit OdbcAdmin(const std::string& connectionString);
  ~OdbcAdmin();
  OdbcAdmin(const OdbcAdmin&) = delete;
  OdbcAdmin& operator=(const OdbcAdmin&) = delete;

  bool connected() const { return connected_; }
  bool exec(const std::string& sql);
  // One column of every row a query returns, NULL as nullopt.
  std::vector<Value> column(const std::string& sql);
  // The driver's version as it reports it ("03.01.0015").
  std::string driverVersion() const;

 private:
  EnvHandle env_;
  DbcHandle dbc_;
  bool connected_ = false;
};

}  // namespace skarvik::testbed
