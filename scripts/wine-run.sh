#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest. Wine's background services would
# inherit CTest's output pipe and keep it waiting, so the server and the services
# are started first, detached, and only then the program itself.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
(
    flock 9
    wine_prefix_ensure
) 9>"$WINEPREFIX.lock"
wineserver -p60 </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
# A console program's helper processes outlive it for a second or more and hold
# whatever its output was: through a file, CTest gets the output when the
# program ends instead of when the last helper lets the pipe go.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
status=0
wine "$@" >"$output" 2>&1 </dev/null || status=$?
cat "$output"
exit "$status"
