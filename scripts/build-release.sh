#!/usr/bin/env bash
# Builds the release binaries (32-bit) into out/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/bootstrap.sh"
build="$root/build/release-i686"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DTRELVIK_TEST_BUILD=OFF >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}"
mkdir -p "$root/out"
find "$build/bin" -maxdepth 1 \( -name '*.exe' -o -name '*.dll' \) -exec cp {} "$root/out/" \;
ls -1 "$root/out"
