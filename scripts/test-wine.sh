#!/usr/bin/env bash
# One Wine for a whole test run of the Windows program.
#
#   scripts/test-wine.sh PREFIX COMMAND...   set up the Wine prefix PREFIX
#                                            once, start its wineserver, run
#                                            COMMAND, stop the wineserver
#
# The prefix lies in the build directory (the test bed looks for it at
# BUILD/wine-prefix), never in ~/.wine. A wineserver started with -p stays
# up between the runs, so a run of skarvik.exe costs a few hundredths of a
# second instead of the seconds Wine needs to bring up a server of its own.
# It is stopped on the way out, also when COMMAND fails or is interrupted.
#
# SKARVIK_SKIP_WINDOWS=1 starts nothing and lets the tests leave the
# Windows program out.
set -euo pipefail

[ $# -ge 2 ] || { echo "usage: $0 PREFIX COMMAND..." >&2; exit 2; }
if [ "${SKARVIK_SKIP_WINDOWS:-}" = 1 ]; then
  echo "test-wine: SKARVIK_SKIP_WINDOWS=1, the Windows program is left out" >&2
  shift
  exec "$@"
fi

find_wine() {
  local name=$1
  if command -v "$name" >/dev/null 2>&1; then
    command -v "$name"
  elif [ -x "/usr/lib/wine/$name" ]; then
    echo "/usr/lib/wine/$name"
  else
    echo "test-wine: $name is not installed (Debian package wine64)" >&2
    return 1
  fi
}

wine64=$(find_wine wine64)
wineserver=$(find_wine wineserver)
mkdir -p "$1"
WINEPREFIX=$(cd "$1" && pwd)
export WINEPREFIX
export WINEDEBUG=-all
shift

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "test-wine: setting up the Wine prefix $WINEPREFIX"
  # Neither Mono nor Gecko is needed, and their installers would ask.
  if ! WINEDLLOVERRIDES="mscoree,mshtml=" "$wine64" wineboot --init \
    >"$WINEPREFIX.log" 2>&1; then
    cat "$WINEPREFIX.log" >&2
    exit 1
  fi
  "$wineserver" -w
fi

child=
on_signal() {
  if [ -n "$child" ]; then kill -TERM "$child" 2>/dev/null || true; fi
  exit "$1"
}
trap '"$wineserver" -k 2>/dev/null || true' EXIT
trap 'on_signal 129' HUP
trap 'on_signal 130' INT
trap 'on_signal 143' TERM
"$wineserver" -p
# The first Wine program of a server starts Wine's own services, which live
# as long as the server and keep the standard error they inherited: started
# here, they hold /dev/null rather than the pipe a test runner waits on.
"$wine64" wineboot </dev/null >/dev/null 2>&1
"$@" &
child=$!
wait "$child"
