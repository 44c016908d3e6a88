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

# Wine's desktop belongs to the wineserver and takes the display of whoever started
# it, so a program that opens windows needs the whole run under one display.
if [ "${LM_NEEDS_DISPLAY:-0}" = 1 ] && [ -z "${DISPLAY:-}" ]; then
  echo "wine-run: $1 opens windows: run the tests under xvfb-run (scripts/test.sh does)" >&2
  exit 1
fi

if [ ! -x "$WINE" ]; then
  echo "wine-run: $WINE not found (install the wine64 package)" >&2
  exit 127
fi

# Whether a wineserver already serves this prefix: the server works in a folder named
# after the prefix's device and inode.
server_running() {
  local id pid cwd
  id="server-$(stat -c %D "$WINEPREFIX")-$(printf %x "$(stat -c %i "$WINEPREFIX")")"
  for pid in $(pgrep wineserver); do
    cwd=$(readlink "/proc/$pid/cwd" 2>/dev/null) || continue
    [ "${cwd##*/}" = "$id" ] && return 0
  done
  return 1
}

mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/system.reg" ] || ! server_running; then
  # Start the server, and the prefix's system processes with it, detached and with
  # their output sent away: anything started from the test's own process would hold
  # CTest's output pipe open for as long as the server lives.
  setsid "$WINESERVER" -p30 </dev/null >/dev/null 2>&1 &
  for _ in $(seq 50); do server_running && break; sleep 0.1; done
  setsid "$WINE" wineboot --init </dev/null >/dev/null 2>&1 || true
fi
if [ ! -f "$WINEPREFIX/.lm-configured" ]; then
  # Unmanaged windows: without a window manager on Xvfb, Wine would otherwise wait two
  # seconds for every closed window to be withdrawn.
  setsid "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
  touch "$WINEPREFIX/.lm-configured"
fi
flock -u 9
exec 9>&-

exec "$WINE" "$@"
