#!/usr/bin/env bash
# The benchmark: the export and its query floor on a large old database, at
# scale 1 and scale 4, through the SQLite ODBC driver.
#   run.sh BUILD_DIR [SCALES...]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
shift || true
scales=${*:-1 4}
here=$(cd "$(dirname "$0")" && pwd)
driver=$(ls /usr/lib/*/odbc/libsqlite3odbc.so | head -n 1)
extension="$build/tests/support/vksystem_attach.so"

# Prints "seconds max-rss-KiB" of one command.
measure() {
  local report
  report=$(mktemp)
  /usr/bin/time -o "$report" -f '%e %M' "$@" > /dev/null 2>&1
  tail -n 1 "$report"
  rm -f "$report"
}

printf '%-6s %-8s %10s %12s %12s %12s %10s %14s\n' scale driver lines export_s floor_s ratio lines/s max_rss_MiB
for scale in $scales; do
  root="$build/bench/scale$scale"
  rm -rf "$root"
  mkdir -p "$root/Files" "$root/Kelvarion_php/log" "$root/a/b" "$root/odbc"
  "$here/make_database.sh" "$scale" "$root/old.db"
  printf '[VKOLD]\nDriver=%s\nDatabase=%s\nLoadExt=%s\n' "$driver" "$root/old.db" "$extension" \
    > "$root/odbc/odbc.ini"
  export ODBCSYSINI="$root/odbc" ODBCINI="$root/odbc/odbc.ini"
  cd "$root/a/b"
  # One run to warm the file cache, then the measured ones.
  "$build/src/skarvik" VKOLD > /dev/null
  read -r export_s export_kb <<< "$(measure "$build/src/skarvik" VKOLD)"
  read -r floor_s floor_kb <<< "$(measure "$build/bench/query_floor" VKOLD)"
  lines=$(cat ./*.dat | wc -l)
  awk -v s="$scale" -v l="$lines" -v e="$export_s" -v f="$floor_s" -v k="$export_kb" -v fk="$floor_kb" \
    'BEGIN { printf "%-6s %-8s %10d %12.2f %12.2f %12.3f %10.0f %8.1f (floor %.1f)\n", s, "SQLite", l, e, f, e / f, l / e, k / 1024, fk / 1024 }'
done
