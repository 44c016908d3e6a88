#!/usr/bin/env bash
# The main job: installs what is missing, builds, brands the generic hook for the demo
# core into an .aaxplugin bundle with lmprime, scans the bundle with aaxhost and renders
# a generated test signal through it. Prints where the bundle and the rendered file are.
# Everything it makes goes to build/demo/ (replaced on every run).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/install-deps.sh
cmake --preset mingw-release >/dev/null
# Only what the main job runs; the test command builds everything else.
cmake --build --preset mingw-release --target LmHook lmprime aaxhost LmDemoCore

export WINEPREFIX="$root/build/wineprefix"
export WINEDEBUG=-all
run() { scripts/wine-run.sh "$@"; }

out=build/demo
rm -rf "$out"
mkdir -p "$out"

echo
echo "== Branding the generic hook for the demo core (lmprime)"
# No FixedChannelConfig entry: every variant (Mono, Stereo, 5.1) keeps its own layout.
run build/bin/lmprime.exe build/bin/LmHook.dll --bundle "$out" --name LmDemo \
  --core LmDemoCore.dll --core-file build/bin/LmDemoCore.dll \
  --config 'CoreConfig:demo' --short-name LmDemo
module="$out/LmDemo.aaxplugin/Contents/x64/LmDemo.aaxplugin"

# aaxhost answers any "Fatal Error" box the module shows, which needs a display: run
# the host under Xvfb when there is none, with the wineserver started under it.
host() {
  if [ -n "${DISPLAY:-}" ]; then
    run build/bin/aaxhost.exe "$@"
  else
    /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
    xvfb-run -a scripts/wine-run.sh build/bin/aaxhost.exe "$@"
  fi
}

echo
echo "== Scanning the bundle (aaxhost scan)"
host scan "$module"

echo
echo "== Rendering a test signal through the Stereo effect (aaxhost render)"
host generate --out "$out/sweep.wav" --signal sweep --seconds 3 --channels 2
host render "$module" --effect "com.lumetra.lmdemo Stereo" --in "$out/sweep.wav" \
  --out "$out/sweep-rendered.wav" --set Gain=-6 --set Mode=Lowpass --set Frequency=1000

/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
echo
echo "Bundle:        $root/$out/LmDemo.aaxplugin"
echo "Test signal:   $root/$out/sweep.wav"
echo "Rendered file: $root/$out/sweep-rendered.wav (Gain -6 dB, Lowpass at 1 kHz, 64 samples of latency)"
