#!/usr/bin/env bash
# clang-tidy 14 over every .cpp under src/, with the checks and the naming
# rules of .clang-tidy; any warning fails.
#   lint.sh BUILD_DIR [JOBS]
#
# BUILD_DIR is configured as make build configures it, with the tests off,
# and not built: clang-tidy needs the compile database alone. The one file
# the Linux build does not compile, base/platform_win32.cpp, is checked with
# the database of BUILD_DIR-win64, configured with the 64-bit mingw-w64
# toolchain as make windows configures it, against mingw-w64's headers. A
# .cpp that neither database compiles fails the run, so none goes unchecked.
set -euo pipefail

# One file, run by xargs below: clang-tidy's output only when it complains,
# without its count of the warnings it dropped in the system's headers.
if [ "${1:-}" = --one ]; then
  shift
  log=$(mktemp)
  trap 'rm -f "$log"' EXIT
  "$@" >"$log" 2>&1 && exit 0
  grep -v ' warnings\? generated\.$' "$log" || true
  exit 1
fi

top=$(cd "$(dirname "$0")/.." && pwd -P)
build=$(realpath -m "${1:-build-lint}")
jobs=${2:-$(nproc)}
win_build=$build-win64
tidy=clang-tidy-14
config=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKARVIK_WERROR=ON -DBUILD_TESTING=OFF)

cmake -S "$top" -B "$build" "${config[@]}" >/dev/null
cmake -S "$top" -B "$win_build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw-x86_64.cmake" \
  "${config[@]}" >/dev/null

linux_files=()
windows_files=()
while IFS= read -r file; do
  if grep -qF "\"file\": \"$file\"" "$build/compile_commands.json"; then
    linux_files+=("$file")
  elif grep -qF "\"file\": \"$file\"" "$win_build/compile_commands.json"; then
    windows_files+=("$file")
  else
    echo "lint: no build compiles $file" >&2
    exit 1
  fi
done < <(find "$top/src" -name '*.cpp' | sort)

# Clang 14 does not find the C++ library of Debian's mingw-w64 (its GCC
# version directory is "12-posix"), so the cross compiler's own search list
# is handed over instead; GCC's builtin headers stay out, since clang
# brings its own.
cross=$(sed -n 's/^set(CMAKE_CXX_COMPILER "\(.*\)")$/\1/p' "$win_build"/CMakeFiles/*/CMakeCXXCompiler.cmake | head -n 1)
triplet=x86_64-w64-mingw32
windows_args=("--extra-arg=--target=$triplet" --extra-arg=-nostdinc++ --extra-arg=-nostdlibinc)
while IFS= read -r dir; do
  dir=$(realpath "$dir")
  case $dir in
    */include-fixed | */lib/gcc/$triplet/*/include) continue ;;
  esac
  windows_args+=("--extra-arg=-isystem$dir")
done < <("$cross" -xc++ -E -v - </dev/null 2>&1 |
  sed -n '/^#include <\.\.\.> search starts here:$/,/^End of search list\.$/{//!s/^ *//p}')
if [ ${#windows_args[@]} -le 3 ]; then
  echo "lint: $cross named no header directories" >&2
  exit 1
fi

# Each file on its own, JOBS at a time; xargs fails when any of them did.
failed=0
printf '%s\0' "${linux_files[@]}" |
  xargs -0 -n 1 -P "$jobs" "$0" --one "$tidy" -p "$build" --quiet || failed=1
if [ ${#windows_files[@]} -gt 0 ]; then
  printf '%s\0' "${windows_files[@]}" |
    xargs -0 -n 1 -P "$jobs" "$0" --one "$tidy" -p "$win_build" --quiet "${windows_args[@]}" ||
    failed=1
fi

if [ "$failed" -ne 0 ]; then
  echo "lint: clang-tidy found the above (.clang-tidy names the checks)" >&2
  exit 1
fi
echo "lint: ${#linux_files[@]} files for Linux and ${#windows_files[@]} for Windows" \
  "(${windows_files[*]#"$top"/}), no warnings"
