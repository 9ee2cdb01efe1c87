#!/usr/bin/env bash
# The demo: a sample old database in SQLite, the newer system's directory
# tree under BUILD/demo, an ordinary data source through the SQLite ODBC
# driver, one run of skarvik on it in a/b and one on the special data source
# in a/special. Each run writes into its own working directory, so both
# runs' files stay; the two share the settings file and the run log. Last,
# skarvik-check repair mends a copy of the database (repair/old.db, data
# source VKREPAIR), so that old.db stays as the other examples show it.
set -euo pipefail

start=$PWD
build=$(cd "${1:-build}" && pwd)
top=$(cd "$(dirname "$0")/.." && pwd)
root="$build/demo"
skarvik="$build/src/skarvik"
cipher="$build/src/skarvik-cipher"
checker="$build/src/check/skarvik-check"
extension="$build/tests/support/vksystem_attach.so"
drivers=(/usr/lib/*/odbc/libsqlite3odbc.so)
driver=${drivers[0]}
[ -e "$driver" ] || { echo "demo: the SQLite ODBC driver (libsqliteodbc) is not installed" >&2; exit 1; }
[ -e "$extension" ] || { echo "demo: $extension was not built (libsqlite3-dev)" >&2; exit 1; }

rm -rf "$root"
mkdir -p "$root/Files" "$root/Kelvarion_php/log" "$root/a/b" "$root/a/special" "$root/odbc" \
  "$root/repair"
sqlite3 "$root/old.db" < "$top/demo/sample_database.sql"

for source in VKOLD KELVARION_VK VKREPAIR; do
  database=$root/old.db
  [ "$source" != VKREPAIR ] || database=$root/repair/old.db
  cat <<INI
[$source]
Driver=$driver
Database=$database
LoadExt=$extension

INI
done > "$root/odbc/odbc.ini"
: > "$root/odbc/odbcinst.ini"

# SQLite takes any login; the values are there to show the settings file.
{
  echo demo | "$cipher" entry VELKORA 1 LOGIN -
  echo 'not-a-real-password' | "$cipher" entry VELKORA 2 PASS -
  echo SQLITE | "$cipher" entry VELKORA 3 DB_SYSTEM -
} > "$root/Files/Kelvarion.Ini"

export ODBCSYSINI="$root/odbc" ODBCINI="$root/odbc/odbc.ini"

# A path as seen from where the demo was started.
shown() { echo "${1#"$start/"}"; }

show() {
  local file=$1
  [ -e "$file" ] || { echo "  $file: not written"; return; }
  printf '  %-12s %4d lines\n' "$file" "$(wc -l < "$file")"
  head -n 3 "$file" | iconv -f ISO-8859-1 -t UTF-8 | tr -d '\r' | cut -c 1-150 | sed 's/^/      /'
}

run() {
  local source=$1 directory=$2
  echo "== skarvik $source   (in $(shown "$directory"))"
  cd "$directory"
  set +e
  "$skarvik" "$source" | iconv -f ISO-8859-1 -t UTF-8 | tr -d '\r'
  local code=${PIPESTATUS[0]}
  set -e
  echo "  exit code: $code"
  for file in Device.dat SldKopf.dat SldPos.dat TstKopf.dat TstPos.dat; do show "$file"; done
  echo
}

echo "Settings file $(shown "$root/Files/Kelvarion.Ini"):"
sed 's/^/  /' "$root/Files/Kelvarion.Ini"
echo
# What the companion says about the same database before a run, and how
# the files just written compare with it afterwards.
check() {
  local command=$1 directory=$2
  echo "== skarvik-check $command VKOLD   (in $(shown "$directory"))"
  cd "$directory"
  set +e
  "$checker" "$command" VKOLD --examples 2 | sed 's/^/  /'
  local code=${PIPESTATUS[0]}
  set -e
  echo "  exit code: $code"
  echo
}

check preflight "$root/a/b"
run VKOLD "$root/a/b"
check verify "$root/a/b"
run KELVARION_VK "$root/a/special"
echo "== run log $(shown "$root/Kelvarion_php/log/Brolandix#Log.txt"), both runs"
iconv -f ISO-8859-1 -t UTF-8 "$root/Kelvarion_php/log/Brolandix#Log.txt" | tr -d '\r' | sed 's/^/  /'
echo

# repair on the copy: the script it plans (its statements whole, of the
# comments after them only the first line of each), the apply with the
# quiet report on the database afterwards, and a second plan that finds
# nothing left to change.
repair() {
  local title=$1
  shift
  echo "== skarvik-check repair VKREPAIR $title   (in $(shown "$root/a/b"))"
  cd "$root/a/b"
  set +e
  "$checker" repair VKREPAIR "$@" 2>&1 | sed 's/^/  /'
  local code=${PIPESTATUS[0]}
  set -e
  echo "  exit code: $code"
}

# Paths as the administrator gives them in a/b.
cp "$root/old.db" "$root/repair/old.db"
repair "--output ../../repair/repair.sql" --output ../../repair/repair.sql
echo "  $(shown "$root/repair/repair.sql"), its statements and the first line of each comment after them:"
iconv -f ISO-8859-1 -t UTF-8 "$root/repair/repair.sql" | grep -v '^--   ' | sed 's/^/      /'
echo
repair "--apply ../../repair/repair.sql --yes --quiet --examples 1" \
  --apply ../../repair/repair.sql --yes --quiet --examples 1
echo
repair "--output ../../repair/second.sql, after the apply" --output ../../repair/second.sql
