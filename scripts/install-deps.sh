#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, when any is missing.
# The package manager's chatter goes to build/install-deps.log; the terminal gets one
# line, or the log's end when the installation fails.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  cmake ninja-build ccache
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine64 xvfb xauth
  libboost-dev libfmt-dev libconcurrentqueue-dev googletest
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" != 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
mkdir -p "$root/build"
log="$root/build/install-deps.log"
echo "Installing ${#missing[@]} package(s): ${missing[*]} (details in $log)"
if ! { "${sudo_cmd[@]}" apt-get update -qq && "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"; } >"$log" 2>&1; then
  echo "Installing the packages failed; the end of $log:" >&2
  tail -n 20 "$log" >&2
  exit 1
fi
echo "Installed ${#missing[@]} package(s)"
