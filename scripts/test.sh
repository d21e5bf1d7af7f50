#!/usr/bin/env bash
# Installs what is missing, builds the release exactly as scripts/build-release.sh does and checks the
# binaries it put in out/, then builds the test build (x86_64) and runs every test under Wine.
# Exits non-zero on any failure, a failed release build included.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-$(nproc)}
export JOBS=$jobs

# A virtual display for the test of the run command's pictures (the other tests need none).
"$root/scripts/bootstrap.sh" xvfb xauth

echo "== release (out/) =="
"$root/scripts/build-release.sh"
cmake -DOBJDUMP=i686-w64-mingw32-objdump -DOUT="$root/out" -P "$root/cmake/check_release.cmake"

echo "== tests (x86_64) =="
build="$root/build/x86_64"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64.cmake" --no-warn-unused-cli \
      >/dev/null
cmake --build "$build" -j "$jobs"
ctest --test-dir "$build" --output-on-failure -j "$jobs"
