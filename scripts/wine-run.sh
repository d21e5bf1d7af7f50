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

mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/.trelvik-ready" ]; then
    rm -rf "$prefix"
    "$wine" wineboot --init >/dev/null 2>&1
    "$wineserver" -w
    # Headless: windows are created on Wine's null graphics driver.
    "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    "$wineserver" -w
    touch "$prefix/.trelvik-ready"
  fi
) 9>"$prefix.lock"

"$wine" "$@"
status=$?
exit $status
