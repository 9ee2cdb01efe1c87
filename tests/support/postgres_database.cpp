#include "postgres_database.h"

#include <unistd.h>

#include <filesystem>

namespace skarvik::testbed {
namespace {

// psqlODBC's ANSI driver takes the client encoding from the locale: under a
// UTF-8 locale it hands the old system's ISO-8859-1 bytes out as UTF-8 and
// the server refuses them on the way in (22021). The data source pins it.
constexpr char kClientEncoding[] = "SET client_encoding TO 'LATIN1'";

std::string ConnectionString(const std::string& database) {
  return "Driver=" SKARVIK_PSQLODBC_DRIVER ";Servername=127.0.0.1;Port=" +
         Environment("SKARVIK_PG_PORT") + ";Database=" + database +
         ";Uid=" + Environment("SKARVIK_PG_ADMIN_USER") +
         ";Pwd=" + Environment("SKARVIK_PG_ADMIN_PASSWORD") + ";ConnSettings=" + kClientEncoding;
}

std::string FreshName() {
  static int databases = 0;
  return "skarvik_" + std::to_string(getpid()) + "_" + std::to_string(++databases);
}

// Roles belong to the whole server, and test programs run side by side:
// whoever comes second finds the role there and carries on.
void CreateRole(OdbcAdmin& server, const std::string& role, const std::string& password) {
  server.exec("DO $$ BEGIN CREATE ROLE " + role + " LOGIN PASSWORD '" + password +
              "'; EXCEPTION WHEN duplicate_object OR unique_violation THEN NULL; END $$");
}

}  // namespace

std::string PostgresDatabase::Unavailable() {
  if (!std::filesystem::exists(SKARVIK_PSQLODBC_DRIVER)) {
    return "psqlODBC (odbc-postgresql) is not installed";
  }
  for (const char* name :
       {"SKARVIK_PG_PORT", "SKARVIK_PG_ADMIN_USER", "SKARVIK_PG_ADMIN_PASSWORD"}) {
    if (Environment(name).empty()) return std::string("no PostgreSQL test server: ") + name;
  }
  return "";
}

PostgresDatabase::PostgresDatabase() : name_(FreshName()), server_(ConnectionString("postgres")) {
  static const bool rolesCreated = [this] {
    CreateRole(server_, "\"Kelvarion\"", "Pelmadora");
    CreateRole(server_, kServerLogin.user, kServerLogin.password);
    return true;
  }();
  (void)rolesCreated;
  server_.exec("CREATE DATABASE " + name_ +
               " ENCODING 'LATIN1' LC_COLLATE 'C' LC_CTYPE 'C' TEMPLATE template0");
  // The administrator too, so that tests may write the old names either way.
  for (const std::string& role :
       {std::string("\"Kelvarion\""), Environment("SKARVIK_PG_ADMIN_USER")}) {
    server_.exec("ALTER ROLE " + role + " IN DATABASE " + name_ + " SET search_path = vksystem");
  }
  connect(ConnectionString(name_));
  exec("CREATE SCHEMA vksystem");
  exec("GRANT USAGE ON SCHEMA vksystem TO \"Kelvarion\", " + kServerLogin.user);
  // The built-in login only reads; the ordinary one also purges.
  exec("ALTER DEFAULT PRIVILEGES IN SCHEMA vksystem GRANT SELECT ON TABLES TO \"Kelvarion\"");
  exec("ALTER DEFAULT PRIVILEGES IN SCHEMA vksystem GRANT ALL ON TABLES TO " + kServerLogin.user);
}

PostgresDatabase::~PostgresDatabase() {
  disconnect();
  server_.exec("DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
}

std::vector<std::string> PostgresDatabase::scriptClient() const {
  return {"/usr/bin/env", "PGPASSWORD=" + Environment("SKARVIK_PG_ADMIN_PASSWORD"), "psql", "-X",
          "-q", "-v", "ON_ERROR_STOP=1", "-h", "127.0.0.1", "-p", Environment("SKARVIK_PG_PORT"),
          "-U", Environment("SKARVIK_PG_ADMIN_USER"), "-d", name_};
}

std::string PostgresDatabase::dataSource(const std::string& name,
                                         const std::vector<std::string>& options) const {
  // The driver's defaults otherwise: each result is read whole (no
  // UseDeclareFetch), and the tool's nested statements share the connection.
  std::string section = "[" + name +
                        "]\nDriver=" SKARVIK_PSQLODBC_DRIVER "\nServername=127.0.0.1\nPort=" +
                        Environment("SKARVIK_PG_PORT") + "\nDatabase=" + name_ +
                        "\nConnSettings=" + kClientEncoding + "\n";
  for (const std::string& option : options) section += option + "\n";
  return section;
}

std::string PostgresDatabase::alterColumn(const std::string& table, const std::string& column,
                                          const std::string& type) const {
  return "ALTER TABLE " + qualified(table) + " ALTER COLUMN " + column + " TYPE " + type;
}

}  // namespace skarvik::testbed
