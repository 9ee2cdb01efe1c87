#include "sqlite_database.h"

#include <gtest/gtest.h>

namespace skarvik::testbed {

SqliteDatabase::SqliteDatabase(std::string path) : path_(std::move(path)) {
  if (sqlite3_open(path_.c_str(), &db_) != SQLITE_OK) {
    ADD_FAILURE() << "cannot create " << path_ << ": " << sqlite3_errmsg(db_);
  }
}

SqliteDatabase::~SqliteDatabase() { sqlite3_close(db_); }

void SqliteDatabase::exec(const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    ADD_FAILURE() << sql << ": " << (error ? error : "?");
  }
  sqlite3_free(error);
}

std::vector<Value> SqliteDatabase::column(const std::string& sql) {
  std::vector<Value> values;
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
    ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db_);
    return values;
  }
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    values.push_back(text ? Value(text) : std::nullopt);
  }
  sqlite3_finalize(stmt);
  return values;
}

std::string SqliteDatabase::dataSource(const std::string& name,
                                       const std::vector<std::string>& options) const {
  std::string section = "[" + name + "]\nDriver=" SKARVIK_SQLITE_ODBC_DRIVER "\nDatabase=" + path_ +
                        "\nLoadExt=" SKARVIK_SQLITE_EXTENSION "\n";
  for (const std::string& option : options) section += option + "\n";
  return section;
}

}  // namespace skarvik::testbed
