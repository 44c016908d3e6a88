#!/usr/bin/env bash
# aaxhost's streaming figures: generates a stereo 48 kHz 32-bit float file of SECONDS
# (default 600), then renders it through the null core (render, and audiosuite with its
# analysis pass, which reads the file twice) and prints, per command, the wall time, the
# times realtime and the aaxhost process's peak resident and anonymous memory (VmHWM,
# RssAnon, sampled every 20 ms). Run from the source tree after a build; not a test.
# usage: bench/stream-figures.sh [SECONDS] [FOLDER]   (FOLDER: where the files go; a
# temporary folder by default, removed afterwards)
set -euo pipefail

seconds=${1:-600}
bin=$PWD/build/bin
export WINEPREFIX=${WINEPREFIX:-$PWD/build/wineprefix}
run=scripts/wine-run.sh
if [ -n "${2:-}" ]; then
  work=$2
  mkdir -p "$work"
else
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi

# One command: "<label> <wall> s, <times> x realtime, peak <rss> MB resident, <anon> MB anonymous".
measure() {
  local label=$1
  shift
  local start end peak=0 anon=0 pid value
  start=$(date +%s.%N)
  "$run" "$bin/aaxhost.exe" "$@" >"$work/out.txt" 2>"$work/err.txt" &
  pid=$!
  while kill -0 "$pid" 2>/dev/null; do
    for p in $(pgrep -x aaxhost.exe || true); do
      value=$(awk '/^VmHWM/{print $2}' "/proc/$p/status" 2>/dev/null || true)
      [ -n "$value" ] && [ "$value" -gt "$peak" ] && peak=$value
      value=$(awk '/^RssAnon/{print $2}' "/proc/$p/status" 2>/dev/null || true)
      [ -n "$value" ] && [ "$value" -gt "$anon" ] && anon=$value
    done
    sleep 0.02
  done
  if ! wait "$pid"; then
    echo "$label failed:" >&2
    cat "$work/err.txt" >&2
    exit 1
  fi
  end=$(date +%s.%N)
  awk -v l="$label" -v s="$start" -v e="$end" -v a="$seconds" -v p="$peak" -v n="$anon" \
    'BEGIN { printf "%-22s %7.2f s  %6.0f x realtime  peak %4d MB resident, %4d MB anonymous\n", l, e - s, a / (e - s), p / 1024, n / 1024 }'
}

"$run" "$bin/lmprime.exe" "$bin/LmHook.dll" --bundle "$work/bundle" --name LmNullStream --core LmNullCore.dll \
  --core-file "$bin/LmNullCore.dll" --config 'CoreConfig:latency=0' --short-name LmNullStream >/dev/null
module=$(find "$work/bundle" -name '*.aaxplugin' -type f | head -1)

echo "stereo 48 kHz 32-bit float, $seconds s, null core"
measure "generate" generate --out "$work/in.wav" --seconds "$seconds" --channels 2 --signal noise
measure "render" render "$module" --effect "com.lumetra.lmnull Stereo" --in "$work/in.wav" --out "$work/render.wav"
measure "audiosuite" audiosuite "$module" --effect "com.lumetra.lmnull Audiosuite" --in "$work/in.wav" \
  --out "$work/audiosuite.wav"
measure "audiosuite --analyze" audiosuite "$module" --effect "com.lumetra.lmnull Audiosuite" --analyze \
  --in "$work/in.wav" --out "$work/audiosuite.wav"
