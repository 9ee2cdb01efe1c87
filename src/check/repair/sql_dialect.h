// How the repair script spells its values and frames its statements for
// the database system it mends.
//
// The script is reviewed by the administrator and run with the system's
// own client (sqlite3, psql, mariadb), so it must say exactly what the
// statements through ODBC would say, with nothing a client, an editor or a
// terminal could change on the way: a value's control bytes are spelt as
// function calls, never written raw, and the rest of its ISO-8859-1 bytes
// stand in the file as the database holds them. Everything here is text;
// nothing asks the database.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace skarvik::check {

enum class DatabaseSystem { kSqlite, kPostgres, kMariadb };

// The system a driver names in SQL_DBMS_NAME: "SQLite" (SQLite ODBC
// driver), "PostgreSQL" (psqlODBC), "MariaDB" (MariaDB Connector/ODBC on a
// MariaDB server) or "MySQL" (a MySQL server, which reads the same SQL),
// in any letter case. Nothing for any other system: repair cannot spell
// its values.
std::optional<DatabaseSystem> DatabaseSystemOf(std::string_view dbmsName);

// A literal the system reads back as exactly these bytes. Quotes are
// doubled (MariaDB also doubles its backslashes: 'C:\\x'); every control
// byte, NUL and DEL included, is a call of the system's character
// function, joined to the quoted runs around it:
//   SQLite      'a' || char(10) || 'b'
//   PostgreSQL  'a' || chr(10) || 'b'
//   MariaDB     CONCAT('a', char(10 USING latin1), 'b')
// A value of one control byte is the call alone, an empty value ''.
// PostgreSQL refuses chr(0), so a NUL there fails the script instead of
// cutting the value short.
std::string SqlLiteral(DatabaseSystem system, std::string_view bytes);

// A CHAR column's value, read with its padding, as a condition names it.
// PostgreSQL hands CHAR values out padded and compares them without the
// padding, but a literal spelt as an expression ('a' || chr(13) || 'b  ')
// is text there, which keeps it: the padding is left out. MariaDB with a
// NO PAD collation hands them out padded too and compares with the padding,
// so it stays.
std::string CharCondition(DatabaseSystem system, std::string_view padded);

// "-- " and the text as the text report shows it (Escaped), ended by LF:
// a line break in the text cannot end the comment and turn the rest into
// a statement.
std::string CommentLine(std::string_view text);

// The lines before the first statement: the note on the file's bytes, the
// client encoding and string syntax (PostgreSQL, MariaDB) or the VKSYSTEM
// attachment that the data source makes (SQLite), then the start of the
// transaction. All statements run in that one transaction, so a client
// that stops at the first error leaves the database unchanged.
std::string ScriptOpening(DatabaseSystem system);

// The line after the last statement: the commit.
std::string ScriptClosing(DatabaseSystem system);

// How the administrator runs the script with the system's client, stopping
// at the first error, for a comment of the header; DATABASE-FILE, DATABASE
// and SCRIPT stand for what the administrator fills in.
std::string RunCommand(DatabaseSystem system);

}  // namespace skarvik::check
