#!/usr/bin/env bash
# The whole test suite a second time, built with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer; any report fails a test.
#   check-sanitized.sh BUILD_DIR [JOBS]
set -euo pipefail
build=${1:-build-sanitize}
jobs=${2:-$(nproc)}
top=$(cd "$(dirname "$0")/.." && pwd)

CC=clang CXX=clang++ cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Debug \
  -DSKARVIK_SANITIZE=ON -DSKARVIK_WERROR=ON
cmake --build "$build" -j "$jobs"

# unixODBC's settings library keeps what it read of odbc.ini in memory of
# its own; once the driver manager unloads it, LeakSanitizer takes that for
# a leak of ours. Loaded from the start, it stays, and only real leaks show.
odbcinst=$(ls /usr/lib/*/libodbcinst.so.2 2>/dev/null | head -n 1)
export LD_PRELOAD="${odbcinst}${LD_PRELOAD:+:$LD_PRELOAD}"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:${ASAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$top/tests/lsan.supp:print_suppressions=0:${LSAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"

# The Windows programs are not built with the sanitizers; make check runs
# them under Wine.
export SKARVIK_SKIP_WINDOWS=1

"$top/scripts/test-servers.sh" run ctest --test-dir "$build" --output-on-failure -j "$jobs"
