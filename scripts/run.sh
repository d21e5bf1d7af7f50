#!/usr/bin/env bash
# Runs the program the way it is meant to be used, with no hardware and no simulator: Trelvik.exe under Wine
# with simulated panels (a 737 or 777 mode control panel, two EFIS panels and a CDU behind the board library's
# simulator seam) and the SimConnect.dll stand-in playing a scripted flight, while switches are pressed and a
# knob is turned on the panels. Prints what crossed in both directions as it happens, then the counts.
# Installs what is missing and builds the x86_64 test build first.
#
# Usage: scripts/run.sh [--aircraft 737|777] [--seconds N] [--interactive] [--screenshot FILE.bmp]
#   --aircraft     the aircraft flown (default 737)
#   --seconds N    spread the flight over about N seconds (default 20; 0: as fast as the program follows)
#   --interactive  keep the program running after the flight until its window is closed (needs a display)
#   --screenshot   where to write the main window as a bitmap (headless default: build/x86_64/run/main-window.bmp)
# With a display ($DISPLAY) the main window shows on it; without one the run goes on a virtual display (Xvfb)
# and a screenshot of the main window is written. Exit status: 0 the program ran and closed cleanly, 1 a check
# of the account failed, 2 the program did not start, 3 it crashed or ended by itself, 4 it did not close,
# 5 bad options.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/x86_64"
prefix="$build/run-prefix"
run_folder="$build/run"

aircraft=737 seconds=20 interactive=0 screenshot=
while [ $# -gt 0 ]; do
  case "$1" in
    --aircraft) aircraft=${2:?--aircraft needs 737 or 777}; shift 2 ;;
    --seconds) seconds=${2:?--seconds needs a number}; shift 2 ;;
    --interactive) interactive=1; shift ;;
    --screenshot) screenshot=${2:?--screenshot needs a file}; shift 2 ;;
    -h|--help) sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "run.sh: unknown option $1 (see --help)" >&2; exit 5 ;;
  esac
done
case "$aircraft" in 737|777) ;; *) echo "run.sh: --aircraft takes 737 or 777" >&2; exit 5 ;; esac
case "$seconds" in ''|*[!0-9]*) echo "run.sh: --seconds takes a whole number" >&2; exit 5 ;; esac

headless=0
[ -z "${DISPLAY:-}" ] && headless=1
if [ "$headless" = 1 ] && [ "$interactive" = 1 ]; then
  echo "run.sh: --interactive needs a display (DISPLAY is not set)" >&2
  exit 5
fi

if [ -z "${TRELVIK_RUN_ON_VIRTUAL_DISPLAY:-}" ]; then
  # Wine's own fonts (Tahoma, MS Sans Serif...): the faces the windows ask for, so that they look as stored.
  extra=(fonts-wine)
  [ "$headless" = 1 ] && extra+=(xvfb xauth)
  "$root/scripts/bootstrap.sh" "${extra[@]}"
  echo "== building the x86_64 program and the simulators =="
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64.cmake" --no-warn-unused-cli \
        >/dev/null
  cmake --build "$build" -j "${JOBS:-$(nproc)}" --target trelvik_run >/dev/null
fi

if [ "$headless" = 1 ] && [ -z "${TRELVIK_RUN_ON_VIRTUAL_DISPLAY:-}" ]; then
  # Again, on a virtual display of its own that ends with the run.
  [ -n "$screenshot" ] || screenshot="$run_folder/main-window.bmp"
  export TRELVIK_RUN_ON_VIRTUAL_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --aircraft "$aircraft" --seconds "$seconds" \
       --screenshot "$screenshot"
fi

# The run's own Wine prefix, showing windows on the display (the tests' prefixes use Wine's null driver).
# Its Wine session ends with the run: a later run may have another display.
export WINEPREFIX=$prefix
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
export TRELVIK_WINE_SESSION_SECONDS=1
# A prefix being made on a display that has just come up sometimes fails its set-up; it is made again once.
show_windows() {
  "$root/scripts/wine-run.sh" --prefix "$prefix" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f \
    >/dev/null
}
show_windows || show_windows
# The session that made the prefix still runs its desktop on the null driver: the run starts a session of its own.
"$wineserver" -w

arguments=(--aircraft "$aircraft" --seconds "$seconds" --folder "Z:$run_folder")
[ "$interactive" = 1 ] && arguments+=(--interactive)
if [ -n "$screenshot" ]; then
  screenshot=$(realpath -m "$screenshot")
  mkdir -p "$(dirname "$screenshot")"
  rm -f "$screenshot"
  arguments+=(--screenshot "Z:$screenshot")
fi
mkdir -p "$run_folder"
status=0
"$root/scripts/wine-run.sh" --prefix "$prefix" "$build/bin/trelvik_run.exe" "${arguments[@]}" || status=$?
[ -n "$screenshot" ] && [ -f "$screenshot" ] && echo "screenshot: $screenshot"
exit "$status"
