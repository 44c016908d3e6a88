#!/usr/bin/env bash
# The test command: installs what is missing, builds the release preset and runs the
# whole CTest suite under Wine, with one Xvfb display for the tests that open windows.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/install-deps.sh
cmake --preset mingw-release
cmake --build --preset mingw-release

export WINEPREFIX="$root/build/wineprefix"
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --preset mingw-release -j"$(nproc)" "$@" || status=$?
# The kept-alive wineserver would outlive this run's display; end it with the run.
/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
exit $status
