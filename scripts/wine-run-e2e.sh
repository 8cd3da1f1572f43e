#!/usr/bin/env bash
# Runs the end-to-end tests in a Wine prefix of their own, apart from the one
# the unit tests and the run command use, so the program meets a clean user.
set -euo pipefail
WINEPREFIX="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/e2e-prefix"
export WINEPREFIX
exec "$(dirname "${BASH_SOURCE[0]}")/wine-run.sh" "$@"
