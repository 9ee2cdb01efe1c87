#!/usr/bin/env bash
# Throwaway PostgreSQL and MariaDB servers for the end-to-end tests.
#
#   scripts/test-servers.sh run COMMAND...   start both, run COMMAND with the
#                                            connection variables set, stop both
#   scripts/test-servers.sh start ENVFILE    start both, write the variables
#   scripts/test-servers.sh stop ENVFILE     stop what ENVFILE names
#
# Each server gets a fresh data directory under /tmp, a free port on
# 127.0.0.1, a socket of its own and a random administrator password, so a
# run never touches a system service or another run's servers. As root the
# servers run as the postgres and mysql users (PostgreSQL refuses to run as
# root); otherwise as the calling user.
#
# A server that cannot start fails the run. SKARVIK_SKIP_SERVERS=1 makes
# `run` start nothing and lets the tests skip the server drivers instead.
set -euo pipefail

pg_bindir() {
  if [ -n "${SKARVIK_PG_BINDIR:-}" ]; then
    echo "$SKARVIK_PG_BINDIR"
    return
  fi
  local initdb
  initdb=$(printf '%s\n' /usr/lib/postgresql/*/bin/initdb | sort -V | tail -n 1)
  [ -x "$initdb" ] || initdb=
  [ -n "$initdb" ] || { echo "test-servers: PostgreSQL (initdb) is not installed" >&2; return 1; }
  dirname "$initdb"
}

# Runs a command as the server's own user when we are root.
as_user() {
  local user=$1
  shift
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u "$user" -- "$@"
  else
    "$@"
  fi
}

own() {
  local user=$1 dir=$2
  if [ "$(id -u)" -eq 0 ]; then chown "$user" "$dir"; fi
}

random_word() { head -c 18 /dev/urandom | od -An -tx1 | tr -d ' \n'; }

# A port nothing listens on now; the server start is retried on another one
# should it be taken in between.
free_port() {
  local port
  while :; do
    port=$((20000 + RANDOM % 40000))
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
      echo "$port"
      return
    fi
  done
}

start_postgres() {
  local bindir dir=$base/pg
  bindir=$(pg_bindir)
  mkdir -p "$dir/data" "$dir/run"
  own postgres "$dir"
  own postgres "$dir/data"
  own postgres "$dir/run"
  pg_password=$(random_word)
  printf '%s\n' "$pg_password" >"$dir/pwfile"
  own postgres "$dir/pwfile"
  as_user postgres "$bindir/initdb" -D "$dir/data" -U skarvik_admin --pwfile="$dir/pwfile" \
    -E UTF8 --locale=C --auth=scram-sha-256 --no-instructions >"$dir/initdb.log" 2>&1 ||
    { cat "$dir/initdb.log" >&2; return 1; }
  rm -f "$dir/pwfile"
  # Passwords on every way in, so the tool's logins are really checked.
  cat >"$dir/data/pg_hba.conf" <<'EOF'
local all all scram-sha-256
host  all all 127.0.0.1/32 scram-sha-256
EOF
  # A test server keeps nothing worth an fsync.
  cat >>"$dir/data/postgresql.conf" <<EOF
listen_addresses = '127.0.0.1'
unix_socket_directories = '$dir/run'
max_connections = 200
fsync = off
synchronous_commit = off
full_page_writes = off
EOF
  for _ in 1 2 3 4 5; do
    pg_port=$(free_port)
    if as_user postgres "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
      -o "-p $pg_port" start >/dev/null; then
      pg_socketdir=$dir/run
      return 0
    fi
  done
  echo "test-servers: PostgreSQL did not start; see $dir/server.log" >&2
  cat "$dir/server.log" >&2 || true
  return 1
}

stop_postgres() {
  local dir=$1/pg
  [ -f "$dir/data/postmaster.pid" ] || return 0
  as_user postgres "$(pg_bindir)/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 ||
    true
}

start_mariadb() {
  local dir=$base/mariadb
  mkdir -p "$dir/data" "$dir/run"
  own mysql "$dir"
  own mysql "$dir/data"
  own mysql "$dir/run"
  mariadb-install-db --no-defaults --datadir="$dir/data" --user="$(server_user mysql)" \
    --auth-root-authentication-method=socket --skip-test-db >"$dir/install.log" 2>&1 ||
    { cat "$dir/install.log" >&2; return 1; }
  mariadb_password=$(random_word)
  local pid
  for _ in 1 2 3 4 5; do
    mariadb_port=$(free_port)
    # latin1 is the old system's character set. PAD_CHAR_TO_FULL_LENGTH
    # hands CHAR columns out blank-padded, as the old system's database
    # does, so the tool's trimming is exercised on this server too.
    setsid mariadbd --no-defaults --datadir="$dir/data" --user="$(server_user mysql)" \
      --bind-address=127.0.0.1 --port="$mariadb_port" --socket="$dir/run/mariadb.sock" \
      --pid-file="$dir/run/mariadb.pid" --log-error="$dir/server.log" --skip-name-resolve \
      --character-set-server=latin1 --collation-server=latin1_nopad_bin \
      --sql-mode=STRICT_TRANS_TABLES,ERROR_FOR_DIVISION_BY_ZERO,NO_ENGINE_SUBSTITUTION,PAD_CHAR_TO_FULL_LENGTH \
      --max-connections=200 --innodb-flush-log-at-trx-commit=0 --innodb-buffer-pool-size=64M \
      --skip-log-bin </dev/null >/dev/null 2>&1 &
    pid=$!
    echo "$pid" >"$base/mariadb.pid"
    for _ in $(seq 1 120); do
      if mariadb-admin --no-defaults --socket="$dir/run/mariadb.sock" ping >/dev/null 2>&1; then
        mariadb_socket=$dir/run/mariadb.sock
        # The install's own accounts log in by socket peer (root, or the
        # calling user); the test bed connects as this administrator over
        # TCP, with a password, like the tool.
        mariadb --no-defaults --socket="$mariadb_socket" --user="$(client_user)" -e \
          "CREATE USER 'skarvik_admin'@'127.0.0.1' IDENTIFIED BY '$mariadb_password';
           GRANT ALL ON *.* TO 'skarvik_admin'@'127.0.0.1' WITH GRANT OPTION;"
        return 0
      fi
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.25
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  echo "test-servers: MariaDB did not start; see $dir/server.log" >&2
  cat "$dir/server.log" >&2 || true
  return 1
}

server_user() {
  if [ "$(id -u)" -eq 0 ]; then echo "$1"; else id -un; fi
}

client_user() {
  if [ "$(id -u)" -eq 0 ]; then echo root; else id -un; fi
}

stop_mariadb() {
  local pidfile=$1/mariadb.pid pid
  [ -f "$pidfile" ] || return 0
  pid=$(cat "$pidfile")
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 1 120); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.25
  done
  kill -9 "$pid" 2>/dev/null || true
}

write_env() {
  cat >"$1" <<EOF
export SKARVIK_TEST_SERVERS_DIR='$base'
export SKARVIK_PG_PORT='$pg_port'
export SKARVIK_PG_SOCKETDIR='$pg_socketdir'
export SKARVIK_PG_ADMIN_USER='skarvik_admin'
export SKARVIK_PG_ADMIN_PASSWORD='$pg_password'
export SKARVIK_MARIADB_PORT='$mariadb_port'
export SKARVIK_MARIADB_SOCKET='$mariadb_socket'
export SKARVIK_MARIADB_ADMIN_USER='skarvik_admin'
export SKARVIK_MARIADB_ADMIN_PASSWORD='$mariadb_password'
export SKARVIK_MARIADB_LOCK='$base/locks/mariadb.lock'
EOF
}

start_all() {
  base=$(mktemp -d /tmp/skarvik-servers.XXXXXX)
  chmod 755 "$base"
  # Test programs run in parallel and take turns on the one MariaDB
  # database VKSYSTEM through a lock file here.
  mkdir -m 1777 "$base/locks"
  start_postgres || { stop_all "$base"; return 1; }
  start_mariadb || { stop_all "$base"; return 1; }
}

stop_all() {
  stop_postgres "$1"
  stop_mariadb "$1"
  rm -rf "$1"
}

on_signal() {
  if [ -n "$child" ]; then kill -TERM "$child" 2>/dev/null || true; fi
  exit "$1"
}

case "${1:-}" in
  run)
    shift
    [ $# -gt 0 ] || { echo "usage: $0 run COMMAND..." >&2; exit 2; }
    if [ "${SKARVIK_SKIP_SERVERS:-}" = 1 ]; then
      echo "test-servers: SKARVIK_SKIP_SERVERS=1, the server drivers are skipped" >&2
      exec "$@"
    fi
    base=
    child=
    trap '[ -n "$base" ] && stop_all "$base"' EXIT
    # The command runs in the background so that a signal reaches this shell
    # at once; it is handed on, and the servers stop on the way out.
    trap 'on_signal 129' HUP
    trap 'on_signal 130' INT
    trap 'on_signal 143' TERM
    start_all
    env_file=$base/env
    write_env "$env_file"
    # shellcheck disable=SC1090
    . "$env_file"
    "$@" &
    child=$!
    wait "$child"
    ;;
  start)
    [ $# -eq 2 ] || { echo "usage: $0 start ENVFILE" >&2; exit 2; }
    start_all
    write_env "$2"
    echo "test-servers: started; . $2 to use them, $0 stop $2 to end them"
    ;;
  stop)
    [ $# -eq 2 ] || { echo "usage: $0 stop ENVFILE" >&2; exit 2; }
    base=$(sed -n "s/^export SKARVIK_TEST_SERVERS_DIR='\(.*\)'$/\1/p" "$2")
    case "$base" in
      /tmp/skarvik-servers.*) stop_all "$base" ;;
      *) echo "test-servers: $2 names no test servers" >&2; exit 1 ;;
    esac
    rm -f "$2"
    ;;
  *)
    echo "usage: $0 run COMMAND... | start ENVFILE | stop ENVFILE" >&2
    exit 2
    ;;
esac
