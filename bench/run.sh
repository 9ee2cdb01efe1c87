#!/usr/bin/env bash
# The benchmark: the export and its query floor on a large old database, at
# each scale, through the SQLite ODBC driver and through psqlODBC on a
# throwaway PostgreSQL server; then skarvik-check's preflight and verify,
# and its repair, planned and applied to a fresh copy of the database.
#   run.sh BUILD_DIR [SCALES...]        (default scales: 1 4)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
shift || true
scales=${*:-1 4}
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/.." && pwd)
odbc_dir=$(dirname "$(ls /usr/lib/*/odbc/libsqlite3odbc.so | head -n 1)")
extension="$build/tests/support/vksystem_attach.so"

runs=${BENCH_RUNS:-5}
# An apply without an index on the terminal names takes minutes at scale 4:
# the repair turns run once unless asked for more.
repair_runs=${BENCH_REPAIR_RUNS:-1}

# One timed run: prints "wall-seconds cpu-seconds max-rss-KiB".
timed() {
  local report
  report=$(mktemp)
  # The companion ends with 1 when it finds something; time then notes the
  # status on a line of its own before the figures.
  /usr/bin/time -o "$report" -f '%e %U %S %M' "$@" >/dev/null 2>&1 || true
  tail -n 1 "$report" | awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }'
  rm -f "$report"
}

# As timed, for a run that has to go through: the companion ends with 2
# when it could not run, and repair --apply when it applied nothing, which
# would be timed as a quick run otherwise.
timed_through() {
  local report wall user system kib status
  report=$(mktemp)
  /usr/bin/time -o "$report" -f '%e %U %S %M %x' "$@" >/dev/null 2>&1 || true
  read -r wall user system kib status <<<"$(tail -n 1 "$report")"
  rm -f "$report"
  if [ "$status" -ge 2 ]; then
    echo "bench: $* ended with $status" >&2
    return 1
  fi
  awk -v w="$wall" -v u="$user" -v s="$system" -v k="$kib" 'BEGIN { printf "%s %.2f %s\n", w, u + s, k }'
}

median() { sort -g | sed -n "$(((runs + 1) / 2))p"; }

# Column n of a list of timed runs: its median, or its peak for memory.
median_of() { local n=$1; shift; printf '%s\n' "$@" | awk -v n="$n" '{ print $n }' | median; }
peak_of() { local n=$1; shift; printf '%s\n' "$@" | awk -v n="$n" '{ print $n }' | sort -g | tail -n 1; }

# The companion's tables, printed after the first.
check_table=$(mktemp)
repair_table=$(mktemp)
trap 'rm -f "$check_table" "$repair_table"' EXIT

# The export and the floor, run in turns $runs times, so that what the
# machine does meanwhile falls on both alike (single runs vary by a fifth
# here). Prints the medians of wall and CPU time and the peak memory of
# each: "export_wall export_cpu export_kib floor_wall floor_cpu floor_kib".
measure_pair() {
  local export_runs=() floor_runs=() line
  for _ in $(seq "$runs"); do
    export_runs+=("$(timed "$@")")
    floor_runs+=("$(timed "$build/bench/query_floor" VKOLD "$user" "$password")")
  done
  for set in export floor; do
    local -n list="${set}_runs"
    printf '%s %s %s ' \
      "$(printf '%s\n' "${list[@]}" | awk '{ print $1 }' | median)" \
      "$(printf '%s\n' "${list[@]}" | awk '{ print $2 }' | median)" \
      "$(printf '%s\n' "${list[@]}" | awk '{ print $3 }' | sort -g | tail -n 1)"
  done
  echo
}

# A tree of the newer system with the data sources given (VKOLD, and
# VKREPAIR for the copy repair is applied to) and the login in the settings
# file; prints nothing.
lay_out() {
  local root=$1 datasource=$2 user=$3 password=$4
  rm -rf "$root"
  mkdir -p "$root/Files" "$root/Kelvarion_php/log" "$root/a/b" "$root/odbc"
  printf '%s' "$datasource" >"$root/odbc/odbc.ini"
  : >"$root/odbc/odbcinst.ini"
  {
    echo "$user" | "$build/src/skarvik-cipher" entry BENCH 1 LOGIN -
    echo "$password" | "$build/src/skarvik-cipher" entry BENCH 2 PASS -
  } >"$root/Files/Kelvarion.Ini"
}

# The rows of one scale and driver in each table; copy names the command
# that makes the data source VKREPAIR a fresh copy of VKOLD's database,
# called with root and SQL to run on the copy.
report() {
  local driver=$1 scale=$2 root=$3 user=$4 password=$5 copy=$6
  export ODBCSYSINI="$root/odbc" ODBCINI="$root/odbc/odbc.ini"
  cd "$root/a/b"
  # One run to warm the caches, then the measured ones.
  "$build/src/skarvik" VKOLD >/dev/null
  "$build/bench/query_floor" VKOLD "$user" "$password" >/dev/null
  local export_s export_cpu export_kb floor_s floor_cpu floor_kb lines terminals
  read -r export_s export_cpu export_kb floor_s floor_cpu floor_kb <<<"$(measure_pair "$build/src/skarvik" VKOLD)"
  lines=$(cat ./*.dat | wc -l)
  terminals=$((10000 * scale))
  awk -v d="$driver" -v s="$scale" -v l="$lines" -v e="$export_s" -v f="$floor_s" \
    -v ec="$export_cpu" -v fc="$floor_cpu" -v k="$export_kb" -v fk="$floor_kb" -v t="$terminals" 'BEGIN {
      printf "| %-10s | %5s | %7d | %6.2f | %6.2f | %5.3f | %6.2f | %6.2f | %5.3f | %7.0f | %6.1f | %6.1f | %6.1f |\n",
        d, s, l, e, f, e / f, ec, fc, ec / fc, l / e, 1e6 * e / t, k / 1024, fk / 1024 }'
  report_check "$driver" "$scale" >>"$check_table"
  report_repair "$driver" "$scale" "$root" "$copy" >>"$repair_table"
}

# skarvik-check preflight and verify against the export, in turns, on the
# files the export has just written: medians of wall time, peak memory.
report_check() {
  local driver=$1 scale=$2 export_runs=() preflight_runs=() verify_runs=()
  local check="$build/src/check/skarvik-check"
  for _ in $(seq "$runs"); do
    export_runs+=("$(timed "$build/src/skarvik" VKOLD)")
    preflight_runs+=("$(timed "$check" preflight VKOLD)")
    verify_runs+=("$(timed "$check" verify VKOLD)")
  done
  local e p v pk vk
  e=$(printf '%s\n' "${export_runs[@]}" | awk '{ print $1 }' | median)
  p=$(printf '%s\n' "${preflight_runs[@]}" | awk '{ print $1 }' | median)
  v=$(printf '%s\n' "${verify_runs[@]}" | awk '{ print $1 }' | median)
  pk=$(printf '%s\n' "${preflight_runs[@]}" | awk '{ print $3 }' | sort -g | tail -n 1)
  vk=$(printf '%s\n' "${verify_runs[@]}" | awk '{ print $3 }' | sort -g | tail -n 1)
  awk -v d="$driver" -v s="$scale" -v e="$e" -v p="$p" -v v="$v" -v pk="$pk" -v vk="$vk" 'BEGIN {
    printf "| %-10s | %5s | %8.2f | %11.2f | %5.3f | %8.2f | %5.3f | %13.1f | %10.1f |\n",
      d, s, e, p, p / e, v, v / e, pk / 1024, vk / 1024 }'
}

# The index that the repair's UPDATEs would use: each names its terminal by
# TrmNam, which the benchmark's database, like the sample's, leaves without
# one (indexes.sql has those of the export's lookups).
trm_index='CREATE INDEX TrmByName ON Vks1140Trm (TrmNam);'

# skarvik-check repair against the export, in turns: planning the script
# from VKOLD, which only reads, and applying it with --apply --yes to a fresh
# copy, once as the database is and once with trm_index. An apply plans
# again, runs the statements in one transaction and then writes preflight's
# report. Medians of wall and CPU time, peak memory.
report_repair() {
  local driver=$1 scale=$2 root=$3 copy=$4
  local check="$build/src/check/skarvik-check" script="$root/repair.sql"
  local export_runs=() preflight_runs=() plan_runs=() apply_runs=() indexed_runs=()
  for _ in $(seq "$repair_runs"); do
    export_runs+=("$(timed "$build/src/skarvik" VKOLD)")
    preflight_runs+=("$(timed "$check" preflight VKOLD)")
    plan_runs+=("$(timed_through "$check" repair VKOLD --output "$script")")
    $copy "$root" ""
    apply_runs+=("$(timed_through "$check" repair VKREPAIR --apply "$script" --yes)")
    $copy "$root" "$trm_index"
    indexed_runs+=("$(timed_through "$check" repair VKREPAIR --apply "$script" --yes)")
  done
  local statements
  statements=$(grep -c '^UPDATE ' "$script" || true)
  awk -v d="$driver" -v s="$scale" -v n="$statements" \
    -v e="$(median_of 1 "${export_runs[@]}")" -v p="$(median_of 1 "${preflight_runs[@]}")" \
    -v r="$(median_of 1 "${plan_runs[@]}")" -v rc="$(median_of 2 "${plan_runs[@]}")" \
    -v rk="$(peak_of 3 "${plan_runs[@]}")" \
    -v a="$(median_of 1 "${apply_runs[@]}")" -v ac="$(median_of 2 "${apply_runs[@]}")" \
    -v ak="$(peak_of 3 "${apply_runs[@]}")" -v i="$(median_of 1 "${indexed_runs[@]}")" 'BEGIN {
    printf "| %-10s | %5s | %10d | %8.2f | %11.2f | %6.2f | %5.3f | %10.2f | %8.1f | %7.2f | %6.3f | %11.2f | %9.1f | %9.2f | %5.3f |\n",
      d, s, n, e, p, r, r / e, rc, rk / 1024, a, a / e, ac, ak / 1024, i, i / e }'
}

copy_sqlite() {
  local root=$1 sql=$2
  cp "$root/old.db" "$root/repair.db"
  [ -z "$sql" ] || sqlite3 "$root/repair.db" "$sql"
}

sqlite_runs() {
  for scale in $scales; do
    local root="$build/bench/sqlite-$scale"
    lay_out "$root" "[VKOLD]
Driver=$odbc_dir/libsqlite3odbc.so
Database=$root/old.db
LoadExt=$extension

[VKREPAIR]
Driver=$odbc_dir/libsqlite3odbc.so
Database=$root/repair.db
LoadExt=$extension
" "" ""
    "$here/make_database.sh" "$scale" "$root/old.db"
    report SQLite "$scale" "$root" "" "" copy_sqlite
  done
}

stop_servers() {
  "$top/scripts/test-servers.sh" stop "$servers_env" >/dev/null 2>&1 || true
  rm -f "$servers_env"
}

# The database of VKREPAIR, a copy of VKOLD's (database), made afresh.
copy_postgres() {
  local database=$1 root=$2 sql=$3
  "${psql[@]}" -d postgres -c "DROP DATABASE IF EXISTS ${database}_repair" \
    -c "CREATE DATABASE ${database}_repair TEMPLATE $database"
  [ -z "$sql" ] || "${psql[@]}" -d "${database}_repair" -c "SET search_path = vksystem; $sql"
}

postgres_runs() {
  servers_env=$(mktemp)
  trap 'stop_servers; rm -f "$check_table" "$repair_table"' EXIT
  "$top/scripts/test-servers.sh" start "$servers_env" >/dev/null
  # shellcheck disable=SC1090
  . "$servers_env"
  export PGPASSWORD=$SKARVIK_PG_ADMIN_PASSWORD PGOPTIONS="--client-min-messages=warning"
  psql=(psql -q -h 127.0.0.1 -p "$SKARVIK_PG_PORT" -U "$SKARVIK_PG_ADMIN_USER" -v ON_ERROR_STOP=1)
  for scale in $scales; do
    local root="$build/bench/postgres-$scale" db="skarvik_bench_$scale"
    "${psql[@]}" -d postgres -c "DROP DATABASE IF EXISTS $db" -c "CREATE DATABASE $db"
    {
      echo 'DROP SCHEMA IF EXISTS vksystem CASCADE; CREATE SCHEMA vksystem; SET search_path = vksystem;'
      sed -n '/^CREATE TABLE/,/;$/p' "$top/demo/sample_database.sql"
      cat "$here/make_database_pg.sql" "$here/indexes.sql"
      echo 'ANALYZE;'
    } | "${psql[@]}" -d "$db" -v scale="$scale" >/dev/null
    local sources="" source
    for source in VKOLD VKREPAIR; do
      sources+="[$source]
Driver=$odbc_dir/psqlodbca.so
Servername=127.0.0.1
Port=$SKARVIK_PG_PORT
Database=$db$([ "$source" = VKOLD ] || echo _repair)
ConnSettings=SET client_encoding TO 'LATIN1'

"
    done
    lay_out "$root" "$sources" "$SKARVIK_PG_ADMIN_USER" "$SKARVIK_PG_ADMIN_PASSWORD"
    report PostgreSQL "$scale" "$root" "$SKARVIK_PG_ADMIN_USER" "$SKARVIK_PG_ADMIN_PASSWORD" \
      "copy_postgres $db"
  done
}

echo "| driver     | scale |   lines | wall s | floor s | ratio | CPU s | floor CPU s | ratio | lines/s | us/terminal | max RSS MiB | floor MiB |"
echo "|------------|-------|---------|--------|---------|-------|-------|-------------|-------|---------|-------------|-------------|-----------|"
sqlite_runs
postgres_runs
echo
echo "| driver     | scale | export s | preflight s | ratio | verify s | ratio | preflight MiB | verify MiB |"
echo "|------------|-------|----------|-------------|-------|----------|-------|---------------|------------|"
cat "$check_table"
echo
echo "| driver     | scale | statements | export s | preflight s | plan s | ratio | plan CPU s | plan MiB | apply s |  ratio | apply CPU s | apply MiB | indexed s | ratio |"
echo "|------------|-------|------------|----------|-------------|--------|-------|------------|----------|---------|--------|-------------|-----------|-----------|-------|"
cat "$repair_table"
