#!/usr/bin/env bash
# Checks the programs of a Windows cross build (make windows):
#   check-windows-exe.sh BUILD_DIR
# Each .exe must be of the build's architecture, import only Windows' own
# DLLs (never the compiler's runtime: libstdc++, libgcc, winpthread), and
# carry a version resource with the project's version. The objdump and the
# version are those the build's CMake cache names.
#
# SKARVIK_SKIP_WINDOWS=1 checks nothing (exit 77, which ctest counts as
# skipped).
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
if [ "${SKARVIK_SKIP_WINDOWS:-}" = 1 ]; then
  echo "check-windows-exe: SKARVIK_SKIP_WINDOWS=1, nothing checked"
  exit 77
fi
build=$1
[ -n "$build" ] || { echo "check-windows-exe: no Windows build given (make windows)" >&2; exit 1; }
cache=$build/CMakeCache.txt
[ -f "$cache" ] || { echo "check-windows-exe: $build is not configured (make windows)" >&2; exit 1; }
cached() { sed -n "s/^$1:[A-Z]*=//p" "$cache"; }
objdump=$(cached CMAKE_OBJDUMP)
version=$(cached CMAKE_PROJECT_VERSION)
case "$objdump" in
  *x86_64-w64-mingw32-objdump) format=pei-x86-64 ;;
  *i686-w64-mingw32-objdump) format=pei-i386 ;;
  *) echo "check-windows-exe: $build is no mingw-w64 build (objdump: $objdump)" >&2; exit 1 ;;
esac

# What every Windows has; the ODBC driver manager is Windows' own too.
allowed='^(KERNEL32|msvcrt|ODBC32)\.dll$'

failed=0
before=0
for exe in "$build/src/skarvik.exe" "$build/src/skarvik-cipher.exe" "$build/src/check/skarvik-check.exe"; do
  name=$(basename "$exe")
  before=$failed
  if [ ! -f "$exe" ]; then
    echo "FAIL $exe: not built"
    failed=1
    continue
  fi
  if ! "$objdump" -f "$exe" | grep -q "file format $format\$"; then
    echo "FAIL $name: not $format"
    failed=1
  fi
  imports=$("$objdump" -p "$exe" | sed -n 's/^\tDLL Name: //p')
  while read -r dll; do
    if ! [[ "$dll" =~ $allowed ]]; then
      echo "FAIL $name imports $dll"
      failed=1
    fi
  done <<<"$imports"
  # The version resource's texts are UTF-16.
  resource=$(strings -e l "$exe")
  for text in "$version" "$name" Skarvik; do
    if ! grep -qxF "$text" <<<"$resource"; then
      echo "FAIL $name: no \"$text\" in its version resource"
      failed=1
    fi
  done
  [ "$failed" -ne "$before" ] || echo "ok   $name ($format, $version): imports ${imports//$'\n'/ }"
done
exit "$failed"
