// The old system's database, as the end-to-end tests build it.
//
// OldTables() lists every table the tool reads, with each column's width in
// characters (the record field's width less its NUL). An OldDatabase is one
// real database behind a real ODBC driver; tests fill it with rows and hand
// its data source section to the migration tree.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace skarvik::testbed {

struct ColumnDef {
  const char* name;
  int width;
};

struct TableDef {
  const char* name;
  std::vector<ColumnDef> columns;
};

const std::vector<TableDef>& OldTables();

// A column left out of a row is NULL.
using Value = std::optional<std::string>;
struct Row {
  std::string table;
  std::vector<std::pair<std::string, Value>> values;
};

// 'text' with every quote doubled; the bytes are passed through unchanged.
std::string SqlLiteral(const Value& value);

struct Login {
  std::string user;
  std::string password;
};

class OldDatabase {
 public:
  virtual ~OldDatabase() = default;

  virtual void exec(const std::string& sql) = 0;
  // One column of every row a query returns, NULL as nullopt.
  virtual std::vector<Value> column(const std::string& sql) = 0;
  // The odbc.ini section of a data source named name on this database;
  // options are extra "Key=Value" lines.
  virtual std::string dataSource(const std::string& name,
                                 const std::vector<std::string>& options = {}) const = 0;
  // The name under which the tables of the old schema are addressed in SQL
  // written by the tests ("VKSYSTEM." or "" and so on).
  virtual std::string qualified(const std::string& table) const = 0;
  // The database's own client, ready to run a script from standard input
  // with the administrator's login (through /usr/bin/env, which finds it).
  virtual std::vector<std::string> scriptClient() const = 0;
  // What the settings file holds for the ordinary data source.
  virtual Login login() const { return {}; }

  void createTables();
  void insert(const Row& row);
  void insert(const std::vector<Row>& rows);

 protected:
  // The SQL type createTables() gives a column.
  virtual std::string columnType(const ColumnDef& column) const;
  // insert() calls this before a value longer than its column's width goes
  // in, so that a database that enforces widths can make room for it.
  virtual void makeRoom(const std::string& /*table*/, const std::string& /*column*/,
                        std::size_t /*length*/) {}
};

}  // namespace skarvik::testbed
