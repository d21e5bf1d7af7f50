#!/usr/bin/env bash
# Soak (not part of the test command): runs the generators of bad input from every outside source and the long
# run of the real program, each under Wine, headless, in a Wine prefix of its own (build/x86_64/soak-prefix),
# and prints one table: inputs tried per source, failures (each with the saved input that reproduces it),
# what was checked, and for the long run the program's handles, GDI and USER objects and working set at start
# and end.
#
# Usage: scripts/soak.sh [--seconds N] [--count N] [--seed S] [SOURCE...]
#   SOURCE: html reports simconnect files tcp joystick longrun (default: all of them)
#   --seconds N  the whole soak's time: each source gets an equal share, the long run a double one
#   --count N    inputs per source instead (the long run: actions); without either, the test suite's counts
#   --seed S     the generators' seed (default: each source's own fixed seed, as in the test suite)
# A failing input is saved in build/x86_64/soak/ as <source>-<seed>-<index>.bin; the same run again with
# TRELVIK_SOAK_FIRST=<index> and --count 1 --seed <seed> tries that input alone.
# Exit status: 0 when every source ran clean, 1 when any failed, 2 for a wrong option.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/x86_64"
prefix="$build/soak-prefix"
saved="$build/soak"

# One line per source: name, test program, the test that is its generator ("-": a soak program of its own,
# given the options as arguments).
sources_table="
html        html_soak           -
reports     boardapi_dll_tests  ReportsSoakTest.*
simconnect  aircraft_tests      RecordsSoakTest.*
files       controller_tests    FilesSoakTest.*
tcp         controller_tests    TcpRecordsSoakTest.*
joystick    controller_tests    AxisChannelsTest.StatesAndAssignmentsAtAndBeyondTheirRangesAreSurvived
longrun     program_e2e_tests   LongRun.*
"

seconds=0 count=0 seed=""
chosen=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=${2:?}; shift 2 ;;
    --count) count=${2:?}; shift 2 ;;
    --seed) seed=${2:?}; shift 2 ;;
    -h|--help) sed -n '2,16p' "$0"; exit 0 ;;
    -*) echo "soak: unknown option $1" >&2; exit 2 ;;
    *) chosen+=("$1"); shift ;;
  esac
done
known=$(awk 'NF {print $1}' <<<"$sources_table")
[ ${#chosen[@]} -gt 0 ] || mapfile -t chosen <<<"$known"
for source in "${chosen[@]}"; do
  grep -qx "$source" <<<"$known" || { echo "soak: unknown source $source (one of: $(echo $known))" >&2; exit 2; }
done

"$root/scripts/bootstrap.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64.cmake" --no-warn-unused-cli >/dev/null
targets=$(for source in "${chosen[@]}"; do awk -v s="$source" '$1 == s {print $2}' <<<"$sources_table"; done | sort -u)
# shellcheck disable=SC2086
cmake --build "$build" -j "${JOBS:-$(nproc)}" $(printf -- '--target %s ' $targets) >/dev/null

mkdir -p "$saved"
shares=0
for source in "${chosen[@]}"; do if [ "$source" = longrun ]; then shares=$((shares + 2)); else shares=$((shares + 1)); fi; done

windows_path() { echo "Z:${1//\//\\}"; }
rows=()
status=0
for source in "${chosen[@]}"; do
  read -r _ program filter < <(awk -v s="$source" '$1 == s' <<<"$sources_table")
  share=0
  if [ "$seconds" -gt 0 ]; then
    share=$((seconds / shares))
    [ "$source" = longrun ] && share=$((share * 2))
  fi
  log="$saved/$source.log"
  echo "== $source ($program$([ "$share" -gt 0 ] && echo ", $share s")) ==" >&2
  start=$(date +%s)
  set +e
  # With a time, a count of 0 means "until the time is up"; without either, the test's own count.
  runs=$count
  [ "$share" -gt 0 ] || [ "$count" -gt 0 ] || runs=""
  if [ "$filter" = "-" ]; then
    arguments=(--out "$(windows_path "$saved")")
    [ "$share" -gt 0 ] && arguments+=(--seconds "$share")
    [ -n "$runs" ] && [ "$runs" -gt 0 ] && arguments+=(--count "$runs")
    [ -n "$seed" ] && arguments+=(--seed "$seed")
    "$root/scripts/wine-run.sh" --prefix "$prefix" "$build/bin/$program.exe" "${arguments[@]}" >"$log" 2>&1
  else
    TRELVIK_SOAK_SECONDS=$share TRELVIK_SOAK_COUNT=$runs \
      TRELVIK_SOAK_SEED=$seed TRELVIK_SOAK_SAVE=$(windows_path "$saved") \
      "$root/scripts/wine-run.sh" --prefix "$prefix" "$build/bin/$program.exe" --gtest_filter="$filter" >"$log" 2>&1
  fi
  code=$?
  set -e
  took=$(( $(date +%s) - start ))
  summary=$(grep -a "^SOAK $source " "$log" | tail -n 1 || true)
  inputs=$(sed -n 's/.* inputs=\([0-9]*\).*/\1/p' <<<"$summary")
  failures=$(sed -n 's/.* failures=\([0-9]*\).*/\1/p' <<<"$summary")
  checked=$(sed -e 's/^SOAK [a-z]* inputs=[0-9]* failures=[0-9]* *//' <<<"$summary")
  measure=$(grep -a "^SOAK-MEASURE $source " "$log" | tail -n 1 | sed -e "s/^SOAK-MEASURE $source //" || true)
  inputs_saved=$(grep -a "^SOAK-FAILURE $source " "$log" | sed -n 's/.* input=\([^ ]*\).*/\1/p' | tr '\n' ' ' || true)
  if [ -z "$summary" ]; then
    # The program ended before its summary: the input it was on is kept as <source>-<seed>-current.bin.
    failures="crashed"
    inputs_saved=$(ls "$saved/$source"-*-current.bin 2>/dev/null | tr '\n' ' ' || true)
  fi
  if [ "$code" -ne 0 ] || [ "$failures" != "0" ]; then
    status=1
    echo "   $source failed (exit $code); its output: $log" >&2
  fi
  rows+=("$source|${inputs:--}|${failures:--}|$took|${checked:--}|${measure:--}|${inputs_saved:--}|$code")
done

echo
printf '%-11s %8s %9s %6s  %s\n' "source" "inputs" "failures" "secs" "checked / measured (exit; saved inputs)"
for row in "${rows[@]}"; do
  IFS='|' read -r source inputs failures took checked measure inputs_saved code <<<"$row"
  printf '%-11s %8s %9s %6s  %s\n' "$source" "$inputs" "$failures" "$took" "$checked (exit $code)"
  [ "$measure" = "-" ] || printf '%-11s %8s %9s %6s  %s\n' "" "" "" "" "$measure"
  [ "$inputs_saved" = "-" ] || printf '%-11s %8s %9s %6s  saved: %s\n' "" "" "" "" "$inputs_saved"
done
exit "$status"
