#include "mariadb_database.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sstream>

namespace skarvik::testbed {
namespace {

// The old system's bytes are ISO-8859-1, on the connection and in the
// tables. The binary collation without padding compares keys byte for byte
// and blanks included, as the other test databases do.
constexpr char kCharset[] = "latin1";
constexpr char kCollation[] = "latin1_nopad_bin";

std::string ConnectionString(const std::string& database) {
  return "Driver=" SKARVIK_MARIADB_ODBC_DRIVER ";Server=127.0.0.1;Port=" +
         Environment("SKARVIK_MARIADB_PORT") + ";Database=" + database +
         ";Uid=" + Environment("SKARVIK_MARIADB_ADMIN_USER") +
         ";Pwd=" + Environment("SKARVIK_MARIADB_ADMIN_PASSWORD") + ";CHARSET=" + kCharset;
}

int Lock(const std::string& path) {
  // Read-only is enough for flock, and works on a lock file another user
  // created.
  const int fd = open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) {
    ADD_FAILURE() << "cannot open the lock file " << path << ": " << std::strerror(errno);
    return -1;
  }
  while (flock(fd, LOCK_EX) != 0) {
    if (errno != EINTR) {
      ADD_FAILURE() << "cannot lock " << path << ": " << std::strerror(errno);
      break;
    }
  }
  return fd;
}

}  // namespace

std::string MariadbDatabase::Unavailable() {
  if (!std::filesystem::exists(SKARVIK_MARIADB_ODBC_DRIVER)) {
    return "MariaDB Connector/ODBC (odbc-mariadb) is not installed";
  }
  for (const char* name : {"SKARVIK_MARIADB_PORT", "SKARVIK_MARIADB_ADMIN_USER",
                           "SKARVIK_MARIADB_ADMIN_PASSWORD", "SKARVIK_MARIADB_LOCK"}) {
    if (Environment(name).empty()) return std::string("no MariaDB test server: ") + name;
  }
  return "";
}

std::string MariadbDatabase::MessagePrefix() {
  static const std::string prefix = [] {
    OdbcAdmin admin(ConnectionString(""));
    // "03.01.0015" stands for 3.1.15.
    std::string driver;
    int part = 0;
    for (std::istringstream parts(admin.driverVersion()); parts >> part; parts.ignore()) {
      driver += (driver.empty() ? "" : ".") + std::to_string(part);
    }
    const std::vector<Value> server = admin.column("SELECT VERSION()");
    return "[ma-" + driver + "][" + (server.empty() ? "" : server[0].value_or("")) + "]";
  }();
  return prefix;
}

MariadbDatabase::MariadbDatabase() : lock_(Lock(Environment("SKARVIK_MARIADB_LOCK"))) {
  connect(ConnectionString(""));
  exec("DROP DATABASE IF EXISTS VKSYSTEM");
  exec(std::string("CREATE DATABASE VKSYSTEM CHARACTER SET ") + kCharset + " COLLATE " +
       kCollation);
  // Accounts outlive the database; IF NOT EXISTS keeps the first creation.
  exec("CREATE USER IF NOT EXISTS 'Kelvarion'@'127.0.0.1' IDENTIFIED BY 'Pelmadora'");
  exec(std::string("CREATE USER IF NOT EXISTS '") + kServerLogin.user +
       "'@'127.0.0.1' IDENTIFIED BY '" + kServerLogin.password + "'");
  // The built-in login only reads; the ordinary one also purges.
  exec("GRANT SELECT ON VKSYSTEM.* TO 'Kelvarion'@'127.0.0.1'");
  exec(std::string("GRANT ALL ON VKSYSTEM.* TO '") + kServerLogin.user + "'@'127.0.0.1'");
  connect(ConnectionString("VKSYSTEM"));
}

MariadbDatabase::~MariadbDatabase() {
  exec("DROP DATABASE IF EXISTS VKSYSTEM");
  disconnect();
  if (lock_ >= 0) close(lock_);
}

std::vector<std::string> MariadbDatabase::scriptClient() const {
  return {"/usr/bin/env",
          "MYSQL_PWD=" + Environment("SKARVIK_MARIADB_ADMIN_PASSWORD"),
          "mariadb",
          "-h",
          "127.0.0.1",
          "-P",
          Environment("SKARVIK_MARIADB_PORT"),
          "-u",
          Environment("SKARVIK_MARIADB_ADMIN_USER"),
          "VKSYSTEM"};
}

std::string MariadbDatabase::dataSource(const std::string& name,
                                        const std::vector<std::string>& options) const {
  // Without the driver's result streaming (NO_CACHE, STREAMRS, OPTION bit
  // 1048576) every result is read whole, so several statements can be
  // active on the one connection of the tool.
  std::string section =
      "[" + name + "]\nDriver=" SKARVIK_MARIADB_ODBC_DRIVER "\nServer=127.0.0.1\nPort=" +
      Environment("SKARVIK_MARIADB_PORT") + "\nDatabase=VKSYSTEM\nCHARSET=" + kCharset + "\n";
  for (const std::string& option : options) section += option + "\n";
  return section;
}

std::string MariadbDatabase::alterColumn(const std::string& table, const std::string& column,
                                         const std::string& type) const {
  return "ALTER TABLE " + qualified(table) + " MODIFY " + column + " " + type;
}

}  // namespace skarvik::testbed
