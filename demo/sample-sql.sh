#!/usr/bin/env bash
# Writes the demo's sample old database (sample_database.sql, written for
# SQLite) as SQL for a database server, so that the demo can be tried there:
#
#   demo/sample-sql.sh postgres | psql -v ON_ERROR_STOP=1 -d velkora
#   demo/sample-sql.sh mariadb  | mariadb
#
# PostgreSQL gets the tables in schema vksystem of the database it is run
# on; MariaDB gets the database VKSYSTEM. The sample is loaded into SQLite
# first and its rows are written out one INSERT each, so the servers get
# exactly the rows the demo has. The output holds the old system's
# ISO-8859-1 bytes as they are and sets the session's character set to
# match. Needs the sqlite3 shell.
set -euo pipefail

usage() { echo "usage: $0 postgres|mariadb" >&2; exit 2; }
[ $# -eq 1 ] || usage
case "$1" in
  postgres)
    header="SET client_encoding TO 'LATIN1';
CREATE SCHEMA vksystem;
SET search_path = vksystem;" ;;
  mariadb)
    # Names are case-sensitive on Linux: the old system's spelling, exactly.
    # Without backslash escapes a value reaches the table as SQLite holds it.
    header="SET NAMES latin1;
SET SESSION sql_mode = CONCAT(@@sql_mode, ',NO_BACKSLASH_ESCAPES');
CREATE DATABASE VKSYSTEM CHARACTER SET latin1 COLLATE latin1_nopad_bin;
USE VKSYSTEM;" ;;
  *) usage ;;
esac

sample=$(cd "$(dirname "$0")" && pwd)/sample_database.sql
database=$(mktemp)
trap 'rm -f "$database"' EXIT
sqlite3 "$database" <"$sample"

echo "-- The demo's sample old database for $1, written by $(basename "$0")"
echo "-- from sample_database.sql."
echo "$header"
# The table definitions are plain SQL that every server takes.
sed -n '/^CREATE TABLE/,/;$/p' "$sample"
echo "BEGIN;"
for table in $(sqlite3 "$database" "SELECT name FROM sqlite_schema WHERE type = 'table' ORDER BY rowid"); do
  columns=$(sqlite3 "$database" "SELECT group_concat(name, ', ') FROM pragma_table_info('$table')")
  # quote() writes a text with its quotes doubled and NULL as NULL.
  values=$(sqlite3 "$database" \
    "SELECT group_concat('quote(' || name || ')', ' || '', '' || ') FROM pragma_table_info('$table')")
  sqlite3 "$database" \
    "SELECT 'INSERT INTO $table ($columns) VALUES (' || $values || ');' FROM $table ORDER BY rowid"
done
echo "COMMIT;"
