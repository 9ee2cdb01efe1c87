// What the old database looks like on a database server, whichever server
// it is: the old system's tables with blank-padded CHAR columns for its
// short codes and VARCHAR for names, keys and texts, reached through an
// administrator connection of the test bed (OdbcAdmin).
//
// A server enforces column widths where SQLite does not. A test that stores
// a value longer than its column stands for a database whose column has
// since been widened, so insert() widens that one column first (keeping
// CHAR or VARCHAR); every other column keeps the old system's width.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "odbc_admin.h"
#include "old_database.h"

namespace skarvik::testbed {

// The ordinary data source's login on both servers, as the settings file
// holds it. Both texts are longer than 23 characters, so a tool that cut
// them to short connect buffers would be refused.
inline const Login kServerLogin = {"skarvik_migration_operator", "Fjordwind-Kalksteinbruch-1987"};

// The environment variable's value, or "" when it is unset.
std::string Environment(const char* name);

class ServerDatabase : public OldDatabase {
 public:
  void exec(const std::string& sql) override;
  std::vector<Value> column(const std::string& sql) override;
  // Both servers hold the old tables under the name the tool's SQL uses.
  std::string qualified(const std::string& table) const override { return "VKSYSTEM." + table; }
  Login login() const override { return kServerLogin; }

 protected:
  // Connects (or reconnects) the administrator connection that exec() and
  // column() use; disconnect() closes it.
  void connect(const std::string& connectionString);
  void disconnect() { admin_.reset(); }

  std::string columnType(const ColumnDef& column) const override;
  void makeRoom(const std::string& table, const std::string& column, std::size_t length) override;
  // The statement that gives column the SQL type type.
  virtual std::string alterColumn(const std::string& table, const std::string& column,
                                  const std::string& type) const = 0;

 private:
  std::unique_ptr<OdbcAdmin> admin_;
  std::map<std::pair<std::string, std::string>, std::size_t> widened_;
};

}  // namespace skarvik::testbed
