#!/usr/bin/env bash
# Benchmarks (not part of the test command): builds the x86_64 test build's benchmark programs and runs them
# under Wine, headless, in a Wine prefix of their own, against the simulated boards and the SimConnect.dll
# stand-in. Prints two tables:
#   - the program (Trelvik.exe with a 737 MCP, an EFIS panel and a CDU): switch change -> add-on event sent
#     (p50/p99/max, per-switch and whole-state boards, and the program's share), board reports per add-on data
#     change against the fewest that show it, the idle cost (processor share of one core, working set, reports
#     per second by kind) and the start-up (first board opened, discovery per board); the median of the runs
#     with the smallest and largest value;
#   - the board library alone (in process): switch change -> callback;
#   - the analog watch of the UI toolkit: one clock tick's hand update and one full paint (180 x 180), averaged;
#   - the string grid: hiding every other row of a 100,000-row grid as one hide level and showing them again,
#     and painting the visible cells of a 1,000 x 50 grid with bands and a selection.
# Usage: scripts/bench.sh [--runs N] [--presses N] [--changes N] [--idle-seconds N]   (defaults 3, 100, 10, 20)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/x86_64"
prefix="$build/bench-prefix"

"$root/scripts/bootstrap.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64.cmake" --no-warn-unused-cli >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}" --target program_bench switch_latency_bench watch_bench grid_hide_rows_bench grid_paint_bench >/dev/null

echo "== the program =="
"$root/scripts/wine-run.sh" --prefix "$prefix" "$build/bin/program_bench.exe" "$@"
echo
echo "== the board library alone =="
"$root/scripts/wine-run.sh" --prefix "$prefix" "$build/bin/switch_latency_bench.exe" 200
echo
echo "== the analog watch =="
"$root/scripts/wine-run.sh" --prefix "$prefix" "$build/bin/watch_bench.exe" 1000
echo
echo "== the string grid =="
"$root/scripts/wine-run.sh" --prefix "$prefix" "$build/bin/grid_hide_rows_bench.exe" 3
"$root/scripts/wine-run.sh" --prefix "$prefix" "$build/bin/grid_paint_bench.exe" 50
