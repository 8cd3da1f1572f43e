#!/usr/bin/env bash
# Runs the soak driver (tests/e2e/soak/Soak.cpp) in a Wine prefix made anew for
# every run, so that the program meets the same clean user each time.
set -euo pipefail
WINEPREFIX="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/soak-prefix"
export WINEPREFIX
# glibc keeps memory freed for later as its thresholds rise with the blocks
# freed, so the program's figure would rise and fall by megabytes with what
# Wine's Linux side freed last; fixed, a freed block goes back at once and the
# figure follows what the program holds.
export MALLOC_MMAP_THRESHOLD_=131072 MALLOC_TRIM_THRESHOLD_=131072
# With WINEPREFIX set, these reach only the server of that prefix.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
rm -rf "$WINEPREFIX"
# Wine says, each time the information window reads the Z: drive's label, that it may not.
"$(dirname "${BASH_SOURCE[0]}")/wine-run.sh" "$@" | grep -v '^wine: Read access denied for device'
