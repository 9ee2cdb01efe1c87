// The old database on the MariaDB test server, reached through MariaDB
// Connector/ODBC.
//
// The SQL texts name the database VKSYSTEM and MariaDB keeps database and
// table names case-sensitive on Linux, so the old tables live in a database
// called exactly VKSYSTEM, under exactly the names of OldTables(); the data
// sources name it as their default database for the unqualified form.
//
// One server has one VKSYSTEM, but test programs run side by side. So a
// MariadbDatabase holds an exclusive lock on the file SKARVIK_MARIADB_LOCK
// for its whole life: it drops and recreates VKSYSTEM when it comes and
// drops it when it goes. The lock is the process's: a test that crashes
// frees it, and the next one starts from a fresh VKSYSTEM all the same.
#pragma once

#include <string>

#include "server_database.h"

namespace skarvik::testbed {

class MariadbDatabase : public ServerDatabase {
 public:
  // Why the test server cannot be used, "" when it can.
  static std::string Unavailable();
  // What the driver puts before every server message: its own version and
  // the server's, "[ma-3.1.15][10.11.19-MariaDB-0+deb12u1]".
  static std::string MessagePrefix();

  MariadbDatabase();
  ~MariadbDatabase() override;

  std::vector<std::string> scriptClient() const override;
  std::string dataSource(const std::string& name,
                         const std::vector<std::string>& options = {}) const override;

 protected:
  std::string alterColumn(const std::string& table, const std::string& column,
                          const std::string& type) const override;

 private:
  int lock_ = -1;
};

}  // namespace skarvik::testbed
