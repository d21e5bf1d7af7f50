#!/usr/bin/env bash
# Installs what is missing, builds the release (i686) and the test build (x86_64), and runs every test.
# Exits non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-$(nproc)}

"$root/scripts/bootstrap.sh"

for arch in i686 x86_64; do
  build="$root/build/$arch"
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" >/dev/null
  cmake --build "$build" -j "$jobs"
done

status=0
for arch in i686 x86_64; do
  echo "== tests ($arch) =="
  ctest --test-dir "$root/build/$arch" --output-on-failure -j "$jobs" || status=1
done
exit $status
