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
exec wine "$@"
