#!/usr/bin/env bash
# Runs the package tests in a Wine prefix made anew each time: the installer
# meets a machine that has never had the program.
set -euo pipefail
WINEPREFIX="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/package-prefix"
export WINEPREFIX
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"
exec "$(dirname "${BASH_SOURCE[0]}")/wine-run.sh" "$@"
