#include "check/repair/sql_dialect.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "check/report/escape.h"

namespace skarvik::check {
namespace {

using enum DatabaseSystem;

struct Dialect {
  DatabaseSystem system;
  // A control byte is spelt as a call of the character function: this,
  // the byte's decimal number, byteCallClose.
  std::string_view byteCallOpen;
  std::string_view byteCallClose;
  bool joinsWithConcat;  // CONCAT(a, b) instead of a || b
  bool doublesBackslash;
  std::string_view opening;
  std::string_view runCommand;
};

constexpr std::string_view kBytesNote =
    "-- The texts in this file are ISO-8859-1 bytes, as the database holds them.\n";

constexpr Dialect kDialects[] = {
    {.system = kSqlite,
     .byteCallOpen = "char(",
     .byteCallClose = ")",
     .joinsWithConcat = false,
     .doublesBackslash = false,
     // The data source's extension attaches the file a second time as
     // VKSYSTEM; the shell needs the same to know the qualified names.
     // ATTACH cannot run inside a transaction.
     .opening = "ATTACH DATABASE (SELECT file FROM pragma_database_list WHERE name = 'main') "
                "AS VKSYSTEM;\n"
                "BEGIN;\n",
     .runCommand = "sqlite3 -bail DATABASE-FILE < SCRIPT"},
    {.system = kPostgres,
     .byteCallOpen = "chr(",
     .byteCallClose = ")",
     .joinsWithConcat = false,
     .doublesBackslash = false,
     // A server set to the old string syntax would read a backslash in a
     // literal as an escape.
     .opening = "SET client_encoding TO 'LATIN1';\n"
                "SET standard_conforming_strings TO on;\n"
                "BEGIN;\n",
     // -X: a .psqlrc could unset ON_ERROR_STOP again.
     .runCommand = "psql -X -v ON_ERROR_STOP=1 -d DATABASE -f SCRIPT"},
    {.system = kMariadb,
     .byteCallOpen = "char(",
     // Without USING, char() is a binary string, and so is a CONCAT with
     // one binary part: a column in another character set would take the
     // value's ISO-8859-1 bytes unconverted, or refuse them.
     .byteCallClose = " USING latin1)",
     .joinsWithConcat = true,
     .doublesBackslash = true,
     // The doubled backslashes hold only while backslashes escape.
     .opening = "SET NAMES latin1;\n"
                "SET SESSION sql_mode = REPLACE(@@SESSION.sql_mode, 'NO_BACKSLASH_ESCAPES', '');\n"
                "START TRANSACTION;\n",
     .runCommand = "mariadb DATABASE < SCRIPT"},
};

const Dialect& DialectOf(DatabaseSystem system) {
  return *std::find_if(std::begin(kDialects), std::end(kDialects),
                       [system](const Dialect& dialect) { return dialect.system == system; });
}

// Bytes a client, an editor or a terminal may act on: line breaks, tabs,
// escape sequences, the Ctrl-Z that ends a file read in text mode, NUL.
bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

std::string ByteCall(const Dialect& dialect, unsigned char byte) {
  return std::string(dialect.byteCallOpen) + std::to_string(byte) +
         std::string(dialect.byteCallClose);
}

// The value cut into quoted runs of ordinary bytes and one call for each
// control byte, in order.
std::vector<std::string> Parts(const Dialect& dialect, std::string_view bytes) {
  std::vector<std::string> parts;
  std::string run;
  bool inRun = false;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsControl(byte)) {
      if (inRun) parts.push_back("'" + run + "'");
      run.clear();
      inRun = false;
      parts.push_back(ByteCall(dialect, byte));
      continue;
    }
    if (c == '\'') run += '\'';
    if (c == '\\' && dialect.doublesBackslash) run += '\\';
    run += c;
    inRun = true;
  }
  if (inRun || parts.empty()) parts.push_back("'" + run + "'");
  return parts;
}

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
  std::string joined;
  for (const std::string& part : parts) {
    if (!joined.empty()) joined += separator;
    joined += part;
  }
  return joined;
}

bool SameLetters(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::optional<DatabaseSystem> DatabaseSystemOf(std::string_view dbmsName) {
  static constexpr struct {
    std::string_view name;
    DatabaseSystem system;
  } kNames[] = {
      {.name = "SQLite", .system = kSqlite},
      {.name = "PostgreSQL", .system = kPostgres},
      {.name = "MariaDB", .system = kMariadb},
      {.name = "MySQL", .system = kMariadb},
  };
  for (const auto& known : kNames) {
    if (SameLetters(dbmsName, known.name)) return known.system;
  }
  return std::nullopt;
}

std::string SqlLiteral(DatabaseSystem system, std::string_view bytes) {
  const Dialect& dialect = DialectOf(system);
  const std::vector<std::string> parts = Parts(dialect, bytes);
  if (parts.size() == 1) return parts.front();
  if (dialect.joinsWithConcat) return "CONCAT(" + Joined(parts, ", ") + ")";
  return Joined(parts, " || ");
}

std::string CharCondition(DatabaseSystem system, std::string_view padded) {
  if (system != DatabaseSystem::kPostgres) return std::string(padded);
  const std::size_t end = padded.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? "" : padded.substr(0, end + 1));
}

std::string CommentLine(std::string_view text) { return "-- " + Escaped(text) + "\n"; }

std::string ScriptOpening(DatabaseSystem system) {
  return std::string(kBytesNote) + std::string(DialectOf(system).opening);
}

std::string ScriptClosing(DatabaseSystem) { return "COMMIT;\n"; }

std::string RunCommand(DatabaseSystem system) { return std::string(DialectOf(system).runCommand); }

}  // namespace skarvik::check
