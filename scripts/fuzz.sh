#!/usr/bin/env bash
# Fuzzes the settings lookup and the value deciphering for a bounded time.
#
#   scripts/fuzz.sh [BUILD_DIR] [SECONDS]     (defaults: build-fuzz, 30 per target)
#
# Configures BUILD_DIR with clang, AddressSanitizer, UndefinedBehaviorSanitizer
# and the libFuzzer targets, builds the two targets and runs each from a copy
# of the seed corpus in tests/fuzz/corpus (which stays as it is). Prints the
# executions, the final corpus size and the crashes per target, and exits
# non-zero on any crash, leak or sanitizer report; the input that caused it
# is kept under BUILD_DIR/fuzz-run/<target>/artifacts.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-fuzz}
seconds=${2:-30}
max_len=4096

cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DSKARVIK_SANITIZE=ON -DSKARVIK_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target ini_lookup_fuzzer decrypt_value_fuzzer

run="$build/fuzz-run"
rm -rf "$run"
status=0

# fuzz TARGET CORPUS
fuzz() {
  local target=$1 seeds=$top/tests/fuzz/corpus/$2 dir=$run/$1
  mkdir -p "$dir/corpus" "$dir/artifacts"
  cp "$seeds"/* "$dir/corpus/"
  local result=0
  "$build/tests/fuzz/$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$dir/artifacts/" "$dir/corpus" \
    >"$dir/fuzz.log" 2>&1 || result=$?

  local executions crashes corpus
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/fuzz.log" | tail -n 1)
  corpus=$(find "$dir/corpus" -type f | wc -l)
  crashes=$(find "$dir/artifacts" -type f | wc -l)
  printf '%-22s executions: %s  corpus: %s files  crashes: %s\n' \
    "$target" "${executions:-?}" "$corpus" "$crashes"

  # libFuzzer stops with a non-zero code on a crash, a leak or a timeout;
  # a sanitizer report that somehow did not stop it still counts.
  if [ "$result" -ne 0 ] || [ "$crashes" -ne 0 ] ||
    grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$dir/fuzz.log"; then
    echo "$target failed (exit $result); log: $dir/fuzz.log" >&2
    grep -E -A 20 'ERROR:|runtime error:' "$dir/fuzz.log" | head -n 40 >&2 || true
    status=1
  fi
}

fuzz ini_lookup_fuzzer ini
fuzz decrypt_value_fuzzer decrypt
exit "$status"
