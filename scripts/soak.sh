#!/usr/bin/env bash
# Soak runs (not part of the test command): each outside source the program reads is fed generated input
# for a count of inputs or a time, from a seed, under Wine, headless. Each source prints its inputs per
# second and every input that failed; failing inputs are saved under build/x86_64/soak/ so that they can
# become test cases. Exits non-zero when any source found a failure.
# Usage: scripts/soak.sh [--seconds N] [--count N] [--seed S] [SOURCE...]
#   sources: html (the HTML-subset text engine, every build); none named: all of them
#   without --seconds and --count each source runs 1000 inputs; the seed defaults to the time of day
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/x86_64"
prefix="$build/soak-prefix"
out="$build/soak"

seconds=""
count=""
seed=$(date +%s)
sources=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --count) count=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    -h|--help) sed -n '2,8p' "$0"; exit 0 ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) sources+=("$1"); shift ;;
  esac
done

# One entry per source: the build target it needs and how it is run with the common options.
declare -A target=(
  [html]=html_soak
)
run_html() {
  "$root/scripts/wine-run.sh" --prefix "$prefix" "$build/bin/html_soak.exe" "$@" --out "$(winepath_of "$out")"
}

winepath_of() { echo "Z:${1//\//\\}"; }

if [ ${#sources[@]} -eq 0 ]; then
  mapfile -t sources < <(printf '%s\n' "${!target[@]}" | sort)
fi
for source in "${sources[@]}"; do
  if [ -z "${target[$source]:-}" ]; then
    echo "unknown source $source (known: ${!target[*]})" >&2
    exit 2
  fi
done

"$root/scripts/bootstrap.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64.cmake" --no-warn-unused-cli >/dev/null
targets=()
for source in "${sources[@]}"; do targets+=("${target[$source]}"); done
cmake --build "$build" -j "${JOBS:-$(nproc)}" --target "${targets[@]}" >/dev/null
mkdir -p "$out"

options=(--seed "$seed")
[ -n "$seconds" ] && options+=(--seconds "$seconds")
[ -n "$count" ] && options+=(--count "$count")

status=0
for source in "${sources[@]}"; do
  echo "== $source (seed $seed) =="
  "run_$source" "${options[@]}" || status=1
done
exit $status
