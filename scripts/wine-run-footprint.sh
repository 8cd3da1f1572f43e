#!/usr/bin/env bash
# Runs the registry footprint test in a Wine prefix made anew for every run:
# it compares the whole registry before and after, so nothing but Wine itself
# and the test may have touched the prefix before.
set -euo pipefail
WINEPREFIX="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/footprint-prefix"
export WINEPREFIX
# With WINEPREFIX set, these reach only the server of that prefix.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
rm -rf "$WINEPREFIX"
exec "$(dirname "${BASH_SOURCE[0]}")/wine-run.sh" "$@"
