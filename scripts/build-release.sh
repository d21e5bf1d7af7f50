#!/usr/bin/env bash
# Builds the release binaries (32-bit) into out/. out/ is emptied first, so after a failed build it holds
# nothing rather than binaries of an earlier build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/bootstrap.sh"
build="$root/build/release-i686"
out="$root/out"
rm -rf "$out"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DTRELVIK_TEST_BUILD=OFF --no-warn-unused-cli >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}"
mkdir -p "$out"
find "$build/bin" -maxdepth 1 \( -name '*.exe' -o -name '*.dll' \) -exec cp {} "$out/" \;
ls -1 "$out"
