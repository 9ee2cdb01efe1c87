// The old database on the PostgreSQL test server, reached through psqlODBC's
// ANSI driver.
//
// Each PostgresDatabase is a database of its own (skarvik_<pid>_<n>, LATIN1
// like the old system's bytes) with the old tables in schema vksystem; it is
// dropped again with the object. The SQL texts write VKSYSTEM.Vks1140Trm
// unquoted, which PostgreSQL folds to vksystem.vks1140trm, so the tables
// are created unquoted too.
//
// The logins are the server's roles "Kelvarion" (the special source's
// built-in login; its search_path finds the unqualified names) and the
// ordinary source's user from the settings file. Both log in by password
// over TCP, so the tool's credentials are really checked.
#pragma once

#include <string>

#include "server_database.h"

namespace skarvik::testbed {

class PostgresDatabase : public ServerDatabase {
 public:
  // Why the test server cannot be used, "" when it can.
  static std::string Unavailable();

  PostgresDatabase();
  ~PostgresDatabase() override;

  std::string dataSource(const std::string& name,
                         const std::vector<std::string>& options = {}) const override;
  std::vector<std::string> scriptClient() const override;

 protected:
  std::string alterColumn(const std::string& table, const std::string& column,
                          const std::string& type) const override;

 private:
  std::string name_;
  OdbcAdmin server_;  // on the maintenance database, to create and drop name_
};

}  // namespace skarvik::testbed
