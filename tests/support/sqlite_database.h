// The old database as a SQLite file, reached through the SQLite ODBC driver
// with the extension that makes "VKSYSTEM." name the same tables.
#pragma once

#include <sqlite3.h>

#include <string>

#include "old_database.h"

namespace skarvik::testbed {

class SqliteDatabase : public OldDatabase {
 public:
  explicit SqliteDatabase(std::string path);
  ~SqliteDatabase() override;

  void exec(const std::string& sql) override;
  std::vector<Value> column(const std::string& sql) override;
  std::string dataSource(const std::string& name,
                         const std::vector<std::string>& options = {}) const override;
  std::string qualified(const std::string& table) const override { return table; }
  std::vector<std::string> scriptClient() const override {
    return {"/usr/bin/env", "sqlite3", "-bail", path_};
  }

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  sqlite3* db_ = nullptr;
};

}  // namespace skarvik::testbed
