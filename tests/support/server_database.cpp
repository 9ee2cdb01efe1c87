#include "server_database.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace skarvik::testbed {
namespace {

// Columns the tool puts into WHERE clauses or that name a terminal or a
// table: VARCHAR, as an old system keeps its keys.
bool IsKeyOrName(const std::string& column) {
  static const std::set<std::string> keys = {
      "TrmNam", "ComNam", "ZlsTrm", "TsmNam", "TsmTas",
      "TsmSal", "TslNam", "TsaSal", "TttNam", "TtaNum",
  };
  return keys.count(column) != 0;
}

// Short codes are CHAR, so the server hands them out padded with blanks.
bool IsShortCode(const ColumnDef& column) {
  return column.width <= 10 && !IsKeyOrName(column.name);
}

std::string Type(bool fixed, std::size_t width) {
  return (fixed ? "CHAR(" : "VARCHAR(") + std::to_string(width) + ")";
}

}  // namespace

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

void ServerDatabase::connect(const std::string& connectionString) {
  admin_ = std::make_unique<OdbcAdmin>(connectionString);
}

void ServerDatabase::exec(const std::string& sql) {
  if (!admin_) {
    ADD_FAILURE() << sql << ": no administrator connection";
    return;
  }
  admin_->exec(sql);
}

std::vector<Value> ServerDatabase::column(const std::string& sql) {
  if (!admin_) {
    ADD_FAILURE() << sql << ": no administrator connection";
    return {};
  }
  return admin_->column(sql);
}

std::string ServerDatabase::columnType(const ColumnDef& column) const {
  return Type(IsShortCode(column), column.width);
}

void ServerDatabase::makeRoom(const std::string& table, const std::string& column,
                              std::size_t length) {
  std::size_t& width = widened_[{table, column}];
  if (length <= width) return;
  width = length;
  for (const TableDef& t : OldTables()) {
    for (const ColumnDef& c : t.columns) {
      if (table == t.name && column == c.name) {
        exec(alterColumn(table, column, Type(IsShortCode(c), length)));
      }
    }
  }
}

}  // namespace skarvik::testbed
