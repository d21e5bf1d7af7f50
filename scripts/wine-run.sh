#!/usr/bin/env bash
# Runs a Windows program under wine64 in a private prefix (never the user's), creating the prefix on first
# use with Wine's null graphics driver so windows can be created without a display. Passes the exit status back.
# Usage: wine-run.sh --prefix DIR program.exe [args...]
set -uo pipefail

if [ "${1:-}" != "--prefix" ] || [ $# -lt 3 ]; then
  echo "usage: $0 --prefix DIR program.exe [args...]" >&2
  exit 2
fi
prefix=$(realpath -m "$2")  # Wine wants an absolute prefix
shift 2

wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko installation prompts.
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"

# Creates the prefix; the ready mark is set only when every step succeeded, so a failed set-up is tried
# again next time instead of leaving a half-made prefix in use. Wine's own output is shown on failure.
# The mark names the set-up's version: a prefix made by an older set-up is made again.
ready_mark=.trelvik-ready-2
set_up_prefix() {
  local log=$prefix.setup.log
  rm -rf "$prefix"
  if ! "$wine" wineboot --init >"$log" 2>&1 9>&- || ! "$wineserver" -w >>"$log" 2>&1; then
    echo "wine-run: creating the Wine prefix $prefix failed:" >&2
    cat "$log" >&2
    return 1
  fi
  # Headless: windows are created on Wine's null graphics driver. A program that crashes gets Wine's
  # debugger, which prints the backtrace and ends it; its crash dialog would wait for a click nobody makes.
  if ! "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >>"$log" 2>&1 9>&- ||
     ! "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >>"$log" 2>&1 9>&- ||
     ! "$wineserver" -w >>"$log" 2>&1; then
    echo "wine-run: setting up Wine's graphics driver and debugger in $prefix failed:" >&2
    cat "$log" >&2
    return 1
  fi
  rm -f "$log"
  touch "$prefix/$ready_mark"
}

# One Wine session per prefix, kept for a while after its last program so that programs run one after another
# share it instead of each starting Wine's service processes again. The server must not keep the lock's
# descriptor (9), or the lock would be held for as long as the session lasts.
mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/$ready_mark" ]; then
    set_up_prefix || exit 1
  fi
  "$wineserver" -p"${TRELVIK_WINE_SESSION_SECONDS:-15}" </dev/null >/dev/null 2>&1 9>&- || true
) 9>"$prefix.lock" || exit 1

# The processes Wine starts for a program (services.exe, explorer.exe, ...) live on with the session and keep
# the program's output open, so whoever reads it (CTest) would wait for the session's end. The program writes
# to a file instead, which is passed on as it grows until the program ends.
output=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
trap 'rm -f "$output"' EXIT
"$wine" "$@" >"$output" 2>&1 &
program=$!
tail -q -n +1 -s 0.1 -f --pid="$program" "$output"
wait "$program"
status=$?
# Wine's debugger ends a crashed program with exit code 0: the crash report is what tells.
if [ "$status" -eq 0 ] && grep -q '^wine: Unhandled' "$output"; then
  echo "wine-run: the program crashed" >&2
  status=1
fi
exit "$status"
