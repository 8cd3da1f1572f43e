#!/usr/bin/env bash
# The soak test: installs what is missing, builds the program and the soak
# driver, and works the real program under Wine through CYCLES cycles (300 by
# default; under a virtual display when there is none). Each cycle opens and
# closes every tool window, runs the tweak panel with nothing ticked, switches
# the language between French and English and tells the main window it moved
# to a monitor of another resolution. The last line gives what the program's
# process held more at the end than after the warm-up:
#   soak: N cycles; memory +X KB; handles +H; gdi +G; user +U
# Exit status 1 when a count grew by more than its allowance or a step failed.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
cycles=${1:-300}

scripts/deps.sh
cmake --preset windows >/dev/null
nice cmake --build --preset windows --target brivex_soak >/dev/null

run=(scripts/wine-run-soak.sh build/windows/tests/brivex_soak.exe run "$cycles")
status=0
if [ -n "${DISPLAY:-}" ]; then
    "${run[@]}" || status=$?
else
    xvfb-run -a -s "-screen 0 1024x768x24" "${run[@]}" || status=$?
fi
WINEPREFIX="$(pwd)/build/soak-prefix" wineserver -k 2>/dev/null || true
exit "$status"
