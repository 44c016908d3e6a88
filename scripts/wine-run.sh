#!/usr/bin/env bash
# Runs one Windows program under Wine for CTest (CMAKE_CROSSCOMPILING_EMULATOR).
# The prefix lives in the build tree (WINEPREFIX, set per test by CMake); it is made on
# first use under a lock, and a wineserver kept alive for 30 s lets each later process
# start in a fraction of a second. LM_NEEDS_DISPLAY=1 marks a program that opens windows.
set -euo pipefail

WINE=${LM_WINE:-/usr/lib/wine/wine64}
WINESERVER=${LM_WINESERVER:-/usr/lib/wine/wineserver}
export WINEPREFIX=${WINEPREFIX:-$PWD/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# Keep Wine from offering to install Mono or Gecko into a fresh prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

if [ ! -x "$WINE" ]; then
  echo "wine-run: $WINE not found (install the wine64 package)" >&2
  exit 127
fi

mkdir -p "$(dirname "$WINEPREFIX")"
# A server started detached, with its output sent away, so it never holds the
# caller's pipes open; a second one for the same prefix simply exits.
setsid "$WINESERVER" -p30 </dev/null >/dev/null 2>&1 &

exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$WINE" wineboot --init </dev/null >/dev/null 2>&1 || true
fi
flock -u 9
exec 9>&-

if [ "${LM_NEEDS_DISPLAY:-0}" = 1 ] && [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$WINE" "$@"
fi
exec "$WINE" "$@"
