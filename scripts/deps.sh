#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the run need, and only
# those that are missing, so running it again costs nothing.
set -euo pipefail

packages=(
    cmake ninja-build g++ googletest libbenchmark-dev
    g++-mingw-w64-x86-64-posix wine wine64
    xvfb xauth imagemagick python3
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
